#include "settings/StringList.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  const char* name;
  std::string text;
  StringList elements;
};

class SplitStringListTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitStringListTest, SplitsAtEverySeparator) {
  StringList list = {"left over"};
  SplitStringList(GetParam().text, list);
  EXPECT_EQ(list, GetParam().elements);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitStringListTest,
    ::testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"NoSeparatorLoadsNothing", "Notepad", {}},
        SplitCase{"TwoElements", "Notepad\x01" "CalcFrame\x01", {"Notepad", "CalcFrame"}},
        SplitCase{"EmptyElementInTheMiddle", "word\x01\x01other\x01", {"word", "", "other"}},
        SplitCase{"OnlySeparators", "\x01\x01", {"", ""}},
        SplitCase{"TextAfterLastSeparatorDropped", "a\x01" "b\x01" "tail", {"a", "b"}},
        SplitCase{"HighBitCharacters", "\xC7\xD1\x01\x82\xA0\x01", {"\xC7\xD1", "\x82\xA0"}}),
    [](const auto& info) { return info.param.name; });

TEST(JoinStringList, EveryElementIsFollowedBySeparator) {
  std::string text = "stale";
  JoinStringList({"Notepad", "", "Calc"}, text);
  EXPECT_EQ(text, std::string("Notepad\x01\x01" "Calc\x01"));
  JoinStringList({}, text);
  EXPECT_EQ(text, "");
}

TEST(JoinStringList, RoundTripsThroughSplit) {
  const StringList original = {"a", "", "long title with spaces", "\xFF\xFE"};
  std::string text;
  JoinStringList(original, text);
  StringList back;
  SplitStringList(text, back);
  EXPECT_EQ(back, original);
}

TEST(CopyStringList, ElementHoldingSeparatorArrivesSplit) {
  StringList target = {"old"};
  CopyStringList(target, {"one\x01two", "three"});
  EXPECT_EQ(target, (StringList{"one", "two", "three"}));
}

TEST(CopyStringList, CopyOfItselfKeepsElements) {
  StringList list = {"x", "y"};
  CopyStringList(list, StringList(list));
  EXPECT_EQ(list, (StringList{"x", "y"}));
}


TEST(StringListElement, ASeparatorInsideATextBecomesABlank) {
  StringList list;
  list.push_back(StringListElement("Notepad\x01" "2"));
  StringList copy;
  CopyStringList(copy, list);
  EXPECT_EQ(copy, StringList{"Notepad 2"});
}

TEST(StringListHasRoomFor, TheStoredTextStaysWithinTheBound) {
  StringList list(2, std::string(99, 'x'));  // 200 characters stored
  const std::string fits(kStringListMaxText - 201, 'y');
  EXPECT_TRUE(StringListHasRoomFor(list, fits));
  EXPECT_FALSE(StringListHasRoomFor(list, fits + 'y'));
}

}  // namespace
