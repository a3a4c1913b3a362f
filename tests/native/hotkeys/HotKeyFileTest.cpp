#include "hotkeys/HotKeyFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

// A stand-in for the ANSI code page: plain ASCII, '?' for anything else.
std::string AsciiOnly(const std::u16string& text) {
  std::string ansi;
  for (char16_t unit : text) ansi.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return ansi;
}

struct Decoded {
  HotKeyDecodeResult result;
  std::vector<CHotKeyItem> items;
};

Decoded Decode(const std::string& bytes) {
  Decoded decoded;
  decoded.result = DecodeHotKeyList(reinterpret_cast<const unsigned char*>(bytes.data()),
                                    bytes.size(), AsciiOnly,
                                    [&](CHotKeyItem item) { decoded.items.push_back(item); });
  return decoded;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

std::string Int32Bytes(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  return Bytes({static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF), static_cast<int>(bits >> 24)});
}

void ExpectSameRecord(const CHotKeyItem& actual, const CHotKeyItem& expected) {
  EXPECT_EQ(actual.m_nType, expected.m_nType);
  EXPECT_EQ(actual.m_strCommand, expected.m_strCommand);
  EXPECT_EQ(actual.m_nFunction, expected.m_nFunction);
  EXPECT_EQ(actual.m_strParameters, expected.m_strParameters);
  EXPECT_EQ(actual.m_strStartIn, expected.m_strStartIn);
  EXPECT_EQ(actual.m_nRunState, expected.m_nRunState);
  EXPECT_EQ(actual.m_nModifiers, expected.m_nModifiers);
  EXPECT_EQ(actual.m_nVirtualKey, expected.m_nVirtualKey);
  EXPECT_EQ(actual.m_nHotKeyId, 0) << "the id is never stored";
}

CHotKeyItem WindowsOneOpensDriveC() {
  CHotKeyItem item;
  item.m_nType = HOTKEY_FOLDER;
  item.m_strCommand = "C:\\";
  item.m_nModifiers = 8;
  item.m_nVirtualKey = '1';
  return item;
}

// Three records of different kinds, for the truncation and round-trip cases.
std::vector<CHotKeyItem> MixedList() {
  CHotKeyItem file;
  file.m_nType = HOTKEY_FILE;
  file.m_strCommand = "C:\\Tools\\edit.exe";
  file.m_strParameters = std::string(300, 'p');
  file.m_strStartIn = "C:\\Work";
  file.m_nRunState = 2;
  file.m_nModifiers = 2 | 1;
  file.m_nVirtualKey = 0x74;
  file.m_nHotKeyId = 0xC123;
  CHotKeyItem function;
  function.m_nType = HOTKEY_FUNCTION;
  function.m_nFunction = 19;
  function.m_nModifiers = 8;
  function.m_nVirtualKey = 0x26;
  return {WindowsOneOpensDriveC(), file, function};
}

TEST(HotKeyFile, WindowsOneOnDriveCIsTheDocumentedTwentySixBytes) {
  const std::string record =
      Bytes({0, 0, 0, 0, 3, 'C', ':', '\\', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, '1', 0, 0, 0});
  std::string bytes;
  AppendHotKeyRecord(bytes, WindowsOneOpensDriveC());
  EXPECT_EQ(bytes, record);
  EXPECT_EQ(EncodeHotKeyList({WindowsOneOpensDriveC()}), Int32Bytes(1) + record);

  const Decoded decoded = Decode(Int32Bytes(1) + record);
  EXPECT_EQ(decoded.result, HotKeyDecodeResult::kComplete);
  ASSERT_EQ(decoded.items.size(), 1u);
  ExpectSameRecord(decoded.items[0], WindowsOneOpensDriveC());
}

TEST(HotKeyFile, EmptyListIsFourZeroBytesAndReadsComplete) {
  EXPECT_EQ(EncodeHotKeyList({}), Bytes({0, 0, 0, 0}));
  const Decoded decoded = Decode(Bytes({0, 0, 0, 0}));
  EXPECT_EQ(decoded.result, HotKeyDecodeResult::kComplete);
  EXPECT_TRUE(decoded.items.empty());
}

TEST(HotKeyFile, MixedListRoundTripsAndIgnoresTrailingBytes) {
  const std::vector<CHotKeyItem> list = MixedList();
  const Decoded decoded = Decode(EncodeHotKeyList(list) + "trailing junk\xFF\xFF");
  EXPECT_EQ(decoded.result, HotKeyDecodeResult::kComplete);
  ASSERT_EQ(decoded.items.size(), list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    SCOPED_TRACE(i);
    CHotKeyItem expected = list[i];
    expected.m_nHotKeyId = 0;
    ExpectSameRecord(decoded.items[i], expected);
  }
}

struct LengthClass {
  std::size_t length;
  std::string prefix;
};

class CountedStringLength : public testing::TestWithParam<LengthClass> {};

TEST_P(CountedStringLength, PrefixAndRoundTrip) {
  const std::string text(GetParam().length, 'x');
  std::string bytes;
  AppendCountedString(bytes, text);
  EXPECT_EQ(bytes.substr(0, GetParam().prefix.size()), GetParam().prefix);
  EXPECT_EQ(bytes.size(), GetParam().prefix.size() + text.size());

  CHotKeyItem item;
  item.m_strCommand = text;
  item.m_strStartIn = text;
  const Decoded decoded = Decode(EncodeHotKeyList({item}));
  EXPECT_EQ(decoded.result, HotKeyDecodeResult::kComplete);
  ASSERT_EQ(decoded.items.size(), 1u);
  EXPECT_EQ(decoded.items[0].m_strCommand, text);
  EXPECT_EQ(decoded.items[0].m_strStartIn, text);
}

// 65534 may not take the 16-bit form: 0xFFFE there marks a wide string.
INSTANTIATE_TEST_SUITE_P(
    EveryClass, CountedStringLength,
    testing::Values(LengthClass{0, Bytes({0})}, LengthClass{254, Bytes({0xFE})},
                    LengthClass{255, Bytes({0xFF, 0xFF, 0x00})},
                    LengthClass{65533, Bytes({0xFF, 0xFD, 0xFF})},
                    LengthClass{65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0})},
                    LengthClass{70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})}),
    [](const auto& info) { return "Length" + std::to_string(info.param.length); });

// A record whose command is `command` (raw counted-string bytes) and whose
// other texts are empty.
std::string RecordWithCommand(const std::string& command) {
  return Int32Bytes(1) + Int32Bytes(HOTKEY_FOLDER) + command + Int32Bytes(0) + Bytes({0, 0}) +
         Int32Bytes(0) + Int32Bytes(8) + Int32Bytes('1');
}

TEST(HotKeyFile, WideStringsAreConverted) {
  struct Case {
    const char* name;
    std::string counted;
    std::string expected;
  };
  std::string thousandUnits;
  for (int i = 0; i < 1000; ++i) thousandUnits += Bytes({'w', 0});
  const Case cases[] = {
      {"short", Bytes({0xFF, 0xFE, 0xFF, 3, 'C', 0, ':', 0, 0xE9, 0x00}), "C:?"},
      {"empty", Bytes({0xFF, 0xFE, 0xFF, 0}), ""},
      {"sixteen-bit count", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xE8, 0x03}) + thousandUnits,
       std::string(1000, 'w')},
      {"thirty-two-bit count",
       Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xE8, 0x03, 0, 0}) + thousandUnits,
       std::string(1000, 'w')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Decoded decoded = Decode(RecordWithCommand(c.counted));
    EXPECT_EQ(decoded.result, HotKeyDecodeResult::kComplete);
    ASSERT_EQ(decoded.items.size(), 1u);
    EXPECT_EQ(decoded.items[0].m_strCommand, c.expected);
    EXPECT_EQ(decoded.items[0].m_nVirtualKey, '1');
  }
}

TEST(HotKeyFile, LengthsBeyondTheEndAreEndsEarly) {
  const std::string cases[] = {
      Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc",  // 4 GB claimed
      Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),          // 2 GB
      Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),  // 8 GB of wide units
      Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'}),  // an odd byte where a unit should be
      Bytes({0xFF, 0xFE, 0xFF}),                     // wide mark, no second prefix
  };
  for (const std::string& counted : cases) {
    // The damage sits in the command of the one record, so nothing is
    // handed over.
    const std::string file = Int32Bytes(1) + Int32Bytes(HOTKEY_FOLDER) + counted;
    const Decoded decoded = Decode(file);
    EXPECT_EQ(decoded.result, HotKeyDecodeResult::kEndsEarly);
    EXPECT_TRUE(decoded.items.empty());
  }
}

TEST(HotKeyFile, CountsAtOrBelowZeroReadNothing) {
  const std::string record = EncodeHotKeyList({WindowsOneOpensDriveC()}).substr(4);
  for (int32_t count : {0, -1, std::numeric_limits<int32_t>::min()}) {
    const Decoded decoded = Decode(Int32Bytes(count) + record);
    EXPECT_EQ(decoded.result, HotKeyDecodeResult::kComplete) << count;
    EXPECT_TRUE(decoded.items.empty()) << count;
  }
}

TEST(HotKeyFile, CountsBeyondTheRecordsHandOverTheCompleteOnes) {
  const std::string records = EncodeHotKeyList(MixedList()).substr(4);
  for (int32_t count : {4, 1000, std::numeric_limits<int32_t>::max()}) {
    const Decoded decoded = Decode(Int32Bytes(count) + records);
    EXPECT_EQ(decoded.result, HotKeyDecodeResult::kEndsEarly) << count;
    EXPECT_EQ(decoded.items.size(), 3u) << count;
  }
}

TEST(HotKeyFile, EveryTruncationEndsEarlyAfterTheCompleteRecords) {
  const std::vector<CHotKeyItem> list = MixedList();
  const std::string file = EncodeHotKeyList(list);
  // Where each record ends in the file.
  std::vector<std::size_t> ends;
  std::string prefix = EncodeHotKeyList({});
  for (const CHotKeyItem& item : list) {
    AppendHotKeyRecord(prefix, item);
    ends.push_back(prefix.size());
  }
  for (std::size_t cut = 0; cut < file.size(); ++cut) {
    const Decoded decoded = Decode(file.substr(0, cut));
    ASSERT_EQ(decoded.result, HotKeyDecodeResult::kEndsEarly) << "cut at " << cut;
    std::size_t complete = 0;
    while (complete < ends.size() && ends[complete] <= cut) ++complete;
    ASSERT_EQ(decoded.items.size(), complete) << "cut at " << cut;
  }
}

}  // namespace
