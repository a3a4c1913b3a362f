#include "hotkeys/HotKeyRules.h"

#include <gtest/gtest.h>

#include <string>

#include "hotkeys/HotKeyList.h"

namespace {

CHotKeyItem Item(int32_t type, const std::string& command, int32_t modifiers, int32_t key,
                 int32_t function = 0) {
  CHotKeyItem item;
  item.m_nType = type;
  item.m_strCommand = command;
  item.m_nModifiers = modifiers;
  item.m_nVirtualKey = key;
  item.m_nFunction = function;
  return item;
}

class HotKeyListTest : public testing::Test {
 protected:
  void TearDown() override { HotKeyList().clear(); }
};

TEST(ReservedHotKeys, OnlyTheExactSetIsReserved) {
  EXPECT_STREQ(FindReservedHotKey('D', 8), "Show Desktop");
  EXPECT_STREQ(FindReservedHotKey('F', 8), "Find Files or Folders...");
  EXPECT_STREQ(FindReservedHotKey('F', 8 | 2), "Find Computer...");
  EXPECT_STREQ(FindReservedHotKey('M', 8 | 4), "Undo Minimize All");
  EXPECT_STREQ(FindReservedHotKey(0x70, 8), "Windows Help");
  EXPECT_STREQ(FindReservedHotKey(0x03, 8), "System Properties");
  EXPECT_STREQ(FindReservedHotKey(0x09, 8), "Select Task");
  EXPECT_EQ(FindReservedHotKey('D', 8 | 4), nullptr);
  EXPECT_EQ(FindReservedHotKey('F', 8 | 1), nullptr);
  EXPECT_EQ(FindReservedHotKey('R', 2), nullptr);
  EXPECT_EQ(FindReservedHotKey('Q', 8), nullptr);
}

TEST(DefaultHotKeys, FixedDrivesThenTheEightFunctions) {
  const auto items = DefaultHotKeyItems([](char letter) { return letter == 'C' || letter == 'D'; });
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[0].m_strCommand, "C:\\");
  EXPECT_EQ(items[0].m_nVirtualKey, '1');
  EXPECT_EQ(items[1].m_strCommand, "D:\\");
  EXPECT_EQ(items[1].m_nVirtualKey, '2');
  const int32_t keys[] = {'Y', 'C', 'I', 0x22, 0x28, 0x26, 'T', 0x2D};
  const int32_t functions[] = {0, 1, 7, 10, 9, 19, 12, 14};
  for (std::size_t i = 0; i < items.size(); ++i) {
    const CHotKeyItem& item = items[i];
    EXPECT_EQ(item.m_nType, i < 2 ? HOTKEY_FOLDER : HOTKEY_FUNCTION) << i;
    EXPECT_EQ(item.m_nModifiers, 8) << i;
    EXPECT_EQ(item.m_nRunState, 0) << i;
    EXPECT_EQ(item.m_nHotKeyId, 0) << i;
    EXPECT_TRUE(item.m_strParameters.empty() && item.m_strStartIn.empty()) << i;
    if (i < 2) continue;
    EXPECT_TRUE(item.m_strCommand.empty()) << i;
    EXPECT_EQ(item.m_nVirtualKey, keys[i - 2]) << i;
    EXPECT_EQ(item.m_nFunction, functions[i - 2]) << i;
  }
}

TEST(DefaultHotKeys, NineDrivesAtMostAndTheScanStopsThere) {
  std::string asked;
  const auto items = DefaultHotKeyItems([&](char letter) {
    asked += letter;
    return letter >= 'B' && letter != 'E';  // eleven or more fixed drives
  });
  ASSERT_EQ(items.size(), 17u);
  EXPECT_EQ(items[0].m_strCommand, "B:\\");
  EXPECT_EQ(items[3].m_strCommand, "F:\\");
  EXPECT_EQ(items[8].m_strCommand, "K:\\");
  EXPECT_EQ(items[8].m_nVirtualKey, '9');
  EXPECT_EQ(items[9].m_nType, HOTKEY_FUNCTION);
  EXPECT_EQ(asked, "ABCDEFGHIJK");
  EXPECT_EQ(DefaultHotKeyItems([](char) { return false; }).size(), 8u);
}

TEST(HotKeyAtomName, CounterSingleModifierIndexZerosAndKey) {
  EXPECT_EQ(HotKeyAtomName(0, 8, '1'), "Stowpouch010049");
  EXPECT_EQ(HotKeyAtomName(12, 2, 0x74), "Stowpouch12200116");
  EXPECT_EQ(HotKeyAtomName(3, 1, 'A'), "Stowpouch330065");
  EXPECT_EQ(HotKeyAtomName(4, 4, 'A'), "Stowpouch440065");
  EXPECT_EQ(HotKeyAtomName(5, 8 | 4, 'M'), "Stowpouch500077");  // several: 0
}

TEST_F(HotKeyListTest, LookUpsTakeTheFirstMatch) {
  HotKeyList() = {Item(HOTKEY_FILE, "C:\\", 8, 'A'), Item(HOTKEY_FOLDER, "C:\\", 8, 'B'),
                  Item(HOTKEY_FOLDER, "C:\\", 2, 'C'), Item(HOTKEY_FUNCTION, "", 8, 'D', 9),
                  Item(HOTKEY_FUNCTION, "", 1, 'E', 9)};
  HotKeyList()[2].m_nHotKeyId = 0xC001;
  std::string text = "untouched";
  EXPECT_TRUE(FindFolderHotKeyText("C:\\", text));
  EXPECT_EQ(text, "Win+ B");
  EXPECT_TRUE(FindFunctionHotKeyText(9, text));
  EXPECT_EQ(text, "Win+ D");

  text = "untouched";
  EXPECT_FALSE(FindFolderHotKeyText("c:\\", text));  // case counts
  EXPECT_FALSE(FindFunctionHotKeyText(10, text));
  EXPECT_EQ(text, "untouched");

  EXPECT_EQ(FindHotKeyItem('C', 2), 2);
  EXPECT_EQ(FindHotKeyItem('C', 8), -1);
  EXPECT_EQ(FindHotKeyItemById(0xC001), 2);
  EXPECT_EQ(FindHotKeyItemById(0), -1);  // unregistered items never match
}

class CandidateTest : public HotKeyListTest {
 protected:
  // Names what the check was asked, and takes only Ctrl+Alt+Delete.
  std::string Problem(int32_t key, ModifierCombos combos, const std::string& command) {
    asked_.clear();
    return HotKeyCandidateProblem(key, combos, command,
                                  [&](int32_t k, int32_t m, std::string& name) {
                                    asked_ = GetHotKeyText(m, k, true);
                                    if (k != 0x2E || m != (2 | 1)) return false;
                                    name = "This hot key is already defined in other application";
                                    return true;
                                  });
  }
  std::string asked_;
};

TEST_F(CandidateTest, ChecksRunInOrderAndTheFirstFailureSpeaks) {
  HotKeyList() = {Item(HOTKEY_FUNCTION, "", 8, 'Y', 0), Item(HOTKEY_FILE, "C:\\a.exe", 2, 'E')};
  EXPECT_EQ(Problem(0, {0, 0, 0}, ""), "You should select Hot key");
  EXPECT_EQ(Problem('K', {0, 0, 0}, ""), "You should select Function, Folder, or File");
  EXPECT_EQ(Problem('K', {0, 0, 0}, "x"), "Cannot use this hot key.");
  EXPECT_EQ(Problem('Y', {1, 0, 0}, "x"), "Windows+ Y key is duplicated with My Computer command");
  EXPECT_EQ(Problem('E', {0, 2, 2}, "x"),
            "Control+ E key is duplicated with opening C:\\a.exe ");
  EXPECT_EQ(asked_, "") << "the outside check runs only when the list has no match";
  EXPECT_EQ(Problem(0x2E, {3, 2, 0}, "x"),
            "Control+Alt+ DELETE key is duplicated with system key(This hot key is already "
            "defined in other application)");
  EXPECT_EQ(Problem('Y', {1, 4, 0}, "x"), "");
  EXPECT_EQ(asked_, "Win+Shift+ Y");
}

TEST_F(CandidateTest, FailedRegistrationsStillCountAsDuplicates) {
  HotKeyList() = {Item(HOTKEY_FOLDER, "D:\\", 8, '2')};  // id 0: never registered
  EXPECT_EQ(Problem('2', {1, 0, 0}, "x"), "Windows+ 2 key is duplicated with opening D:\\ ");
}

TEST_F(CandidateTest, DamagedFunctionIndexNamesNoCommand) {
  HotKeyList() = {Item(HOTKEY_FUNCTION, "", 8, 'Z', 77)};
  EXPECT_EQ(Problem('Z', {1, 0, 0}, "x"), "Windows+ Z key is duplicated with  command");
}

}  // namespace
