#include "hotkeys/HotKeyRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hotkeys/HotKeyList.h"
#include "common/FunctionCommandTable.h"

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

TEST(ReservedHotKeys, ShellCombinationsAreNamedOnlyWithTheirExactModifiers) {
  EXPECT_STREQ(FindReservedHotKey('D', kModifierWin), "Show Desktop");
  EXPECT_STREQ(FindReservedHotKey('F', kModifierWin | kModifierControl), "Find Computer...");
  EXPECT_STREQ(FindReservedHotKey(0x70, kModifierWin), "Windows Help");  // F1
  EXPECT_STREQ(FindReservedHotKey(0x09, kModifierWin), "Select Task");   // Tab
  EXPECT_STREQ(FindReservedHotKey('M', kModifierWin | kModifierShift), "Undo Minimize All");
  EXPECT_STREQ(FindReservedHotKey(0x03, kModifierWin), "System Properties");  // Break
  // Another modifier added, one taken away, or a key of the program's own.
  EXPECT_EQ(FindReservedHotKey('D', kModifierWin | kModifierShift), nullptr);
  EXPECT_EQ(FindReservedHotKey('F', kModifierWin | kModifierAlt), nullptr);
  EXPECT_EQ(FindReservedHotKey('R', kModifierControl), nullptr);
  EXPECT_EQ(FindReservedHotKey('Q', kModifierWin), nullptr);
}

// A shortcut as the list view and the pouch menu present it: its keys and
// what it opens or runs.
std::string Shown(const CHotKeyItem& item) {
  const char* function = FunctionCommandName(item.m_nFunction);
  return GetHotKeyText(item, true) + " -> " +
         (item.m_nType == HOTKEY_FUNCTION ? (function ? function : "?") : item.m_strCommand);
}

TEST(DefaultHotKeys, OnAMachineWithDisksCAndD) {
  std::vector<std::string> shown;
  for (const CHotKeyItem& item :
       DefaultHotKeyItems([](char letter) { return letter == 'C' || letter == 'D'; })) {
    shown.push_back(Shown(item));
    EXPECT_EQ(item.m_nType, item.m_strCommand.empty() ? HOTKEY_FUNCTION : HOTKEY_FOLDER);
    EXPECT_EQ(item.m_nRunState, 0);
    EXPECT_EQ(item.m_nHotKeyId, 0);
    EXPECT_TRUE(item.m_strParameters.empty() && item.m_strStartIn.empty());
  }
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "Win+ 1 -> C:\\",
                       "Win+ 2 -> D:\\",
                       "Win+ Y -> My Computer",
                       "Win+ C -> Control Pannel",
                       "Win+ I -> Intenet Web Browser",
                       "Win+ PAGE DOWN -> Close All Stowpouch Item",
                       "Win+ Down direction -> Minimize/Restore All Stowpouch Item",
                       "Win+ Up direction -> Min/Res Applications and Res/Min Stowpouch items",
                       "Win+ T -> Minimize Applications and Tile Folders",
                       "Win+ INSERT -> Run Double Explorer(Vertical)",
                   }));
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
