// Registering shortcut keys with the system under global atoms, the checks
// for combinations taken elsewhere, and the messages that refuse a
// candidate.
#include <string>

#include "HotKeyFixture.h"
#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyRegistration.h"
#include "hotkeys/HotKeys.h"
#include "tests/support/TestSupport.h"
#include "tests/support/farm/WindowFarmClient.h"

namespace hotkeys_test {
namespace {

constexpr char kCannotRegister[] = "Cannot Register HotKey. Maybe Hotkey is duplicated.";
constexpr char kOtherApplication[] = "This hot key is already defined in other application";

std::string AtomName(int32_t id) {
  char name[256] = {};
  const UINT length = GlobalGetAtomNameA(static_cast<ATOM>(id), name, sizeof name);
  return std::string(name, length);
}

// The registration counter in an atom name "Stowpouch<counter><tail>".
int CounterOf(const std::string& name, const std::string& tail) {
  const std::string prefix = "Stowpouch";
  if (name.size() <= prefix.size() + tail.size() || name.compare(0, prefix.size(), prefix) != 0 ||
      name.compare(name.size() - tail.size(), tail.size(), tail) != 0)
    return -1;
  return std::stoi(name.substr(prefix.size(), name.size() - prefix.size() - tail.size()));
}

// Run alone by its own ctest entry (see CMakeLists.txt): the counter only
// starts at 0 in a process that has registered nothing yet.
TEST_F(HotKeyTest, ProcessFirstRegistrationIsNumberedZero) {
  if (testing::UnitTest::GetInstance()->test_to_run_count() != 1)
    GTEST_SKIP() << "needs a process of its own: run it alone";
  const int32_t id = RegisterHotKeyItem('1', MOD_WIN);
  ASSERT_NE(id, 0);
  EXPECT_EQ(AtomName(id), "Stowpouch010049");
  UnregisterHotKeyItem(id);
}

TEST_F(HotKeyTest, RegisteredKeyReachesTheMainWindowUnderItsAtom) {
  const int32_t id = RegisterHotKeyItem(VK_F9, MOD_CONTROL | MOD_ALT);
  ASSERT_NE(id, 0);
  EXPECT_GE(id, 0xC000);
  EXPECT_FALSE(CombinationFree(MOD_CONTROL | MOD_ALT, VK_F9));
  ASSERT_TRUE(test_support::SendKeyChord({VK_CONTROL, VK_MENU, VK_F9}));
  std::vector<WPARAM> ids;
  EXPECT_TRUE(WaitUntil([&] {
    for (WPARAM one : TakeHotKeyMessages()) ids.push_back(one);
    return !ids.empty();
  }));
  EXPECT_EQ(ids, std::vector<WPARAM>{static_cast<WPARAM>(id)});

  const std::string name = AtomName(id);
  UnregisterHotKeyItem(id);
  EXPECT_TRUE(CombinationFree(MOD_CONTROL | MOD_ALT, VK_F9));
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), 0) << name << " was left behind";
  EXPECT_TRUE(boxes_.Seen().empty());
}

TEST_F(HotKeyTest, EveryAttemptPastTheZeroChecksRaisesTheCounter) {
  const int32_t first = RegisterHotKeyItem(VK_F5, MOD_CONTROL);
  ASSERT_NE(first, 0);
  const int counter = CounterOf(AtomName(first), "200116");
  ASSERT_GE(counter, 0) << AtomName(first);

  EXPECT_EQ(RegisterHotKeyItem(0, MOD_WIN), 0);   // no key
  EXPECT_EQ(RegisterHotKeyItem('A', 0), 0);       // no modifier
  const int32_t shiftA = RegisterHotKeyItem('A', MOD_SHIFT);
  const int32_t winShiftA = RegisterHotKeyItem('A', MOD_WIN | MOD_SHIFT);
  EXPECT_EQ(AtomName(shiftA), "Stowpouch" + std::to_string(counter + 1) + "40065");
  EXPECT_EQ(AtomName(winShiftA), "Stowpouch" + std::to_string(counter + 2) + "00065");
  EXPECT_TRUE(boxes_.Seen().empty());
  for (int32_t id : {first, shiftA, winShiftA}) UnregisterHotKeyItem(id);
}

TEST_F(HotKeyTest, CombinationHeldByAnotherProgramIsRefusedWithAMessage) {
  farm::WindowFarm farm;
  ASSERT_TRUE(farm.HoldHotKey(MOD_WIN | MOD_ALT, 'K'));
  EXPECT_EQ(RegisterHotKeyItem('K', MOD_WIN | MOD_ALT), 0);
  const auto boxes = boxes_.Seen();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Stowpouch");
  EXPECT_EQ(boxes[0].text, kCannotRegister);
  EXPECT_EQ(boxes[0].owner, MainWindowStandIn());
  EXPECT_TRUE(boxes[0].stopIcon);

  // The failed attempt used up a counter value and left no atom behind.
  const int32_t next = RegisterHotKeyItem('K', MOD_WIN | MOD_CONTROL);
  ASSERT_NE(next, 0);
  const int counter = CounterOf(AtomName(next), "00075");
  ASSERT_GE(counter, 1);
  const std::string failedName = "Stowpouch" + std::to_string(counter - 1) + "00075";
  EXPECT_EQ(GlobalFindAtomA(failedName.c_str()), 0);
  UnregisterHotKeyItem(next);
}

TEST_F(HotKeyTest, SystemCheckNamesReservedRowsWithoutAsking) {
  struct Row {
    UINT key;
    UINT modifiers;
    const char* name;
  };
  const Row rows[] = {
      {'D', MOD_WIN, "Show Desktop"},
      {'E', MOD_WIN, "Windows Explorer"},
      {'F', MOD_WIN, "Find Files or Folders..."},
      {'F', MOD_WIN | MOD_CONTROL, "Find Computer..."},
      {'M', MOD_WIN, "Minimize All Windows"},
      {'M', MOD_WIN | MOD_SHIFT, "Undo Minimize All"},
      {'R', MOD_WIN, "Run..."},
      {VK_F1, MOD_WIN, "Windows Help"},
      {VK_CANCEL, MOD_WIN, "System Properties"},
      {VK_TAB, MOD_WIN, "Select Task"},
  };
  for (const Row& row : rows) {
    std::string name;
    EXPECT_TRUE(CheckSystemHotKey(row.key, row.modifiers, name)) << row.name;
    EXPECT_EQ(name, row.name);
  }
  // Nobody holds them here, so the answers came from the table.
  EXPECT_TRUE(CombinationFree(MOD_WIN, 'D'));
}

TEST_F(HotKeyTest, SystemCheckTriesTheCombinationAndLeavesItFree) {
  farm::WindowFarm farm;
  ASSERT_TRUE(farm.HoldHotKey(MOD_CONTROL | MOD_SHIFT, VK_F11));
  // Held outside the list by this program itself, like the menu hotkey.
  ASSERT_TRUE(RegisterHotKey(MainWindowStandIn(), 'Q', MOD_WIN, 'Q'));

  std::string name = "untouched";
  EXPECT_FALSE(CheckSystemHotKey(VK_F12, MOD_CONTROL | MOD_SHIFT, name));
  EXPECT_EQ(name, "untouched");
  EXPECT_TRUE(CombinationFree(MOD_CONTROL | MOD_SHIFT, VK_F12));
  EXPECT_EQ(GlobalFindAtomA("TempDupHotKey"), 0);

  EXPECT_TRUE(CheckSystemHotKey(VK_F11, MOD_CONTROL | MOD_SHIFT, name));
  EXPECT_EQ(name, kOtherApplication);
  name.clear();
  EXPECT_TRUE(CheckSystemHotKey('Q', MOD_WIN, name));
  EXPECT_EQ(name, kOtherApplication);
  EXPECT_EQ(GlobalFindAtomA("TempDupHotKey"), 0);
  UnregisterHotKey(MainWindowStandIn(), 'Q');
  EXPECT_TRUE(boxes_.Seen().empty());
}

TEST_F(HotKeyTest, CandidateRefusalsShowTheirMessageInOrder) {
  farm::WindowFarm farm;
  ASSERT_TRUE(farm.HoldHotKey(MOD_ALT | MOD_SHIFT, 'P'));
  CHotKeyItem file;
  file.m_nType = HOTKEY_FILE;
  file.m_strCommand = "C:\\Tools\\edit.exe";
  file.m_nModifiers = MOD_CONTROL;
  file.m_nVirtualKey = 'E';
  HotKeyList().push_back(file);

  EXPECT_FALSE(ValidateHotKeyCandidate(0, {1, 0, 0}, ""));
  EXPECT_FALSE(ValidateHotKeyCandidate('K', {1, 0, 0}, ""));
  EXPECT_FALSE(ValidateHotKeyCandidate('K', {0, 0, 0}, "C:\\"));
  EXPECT_FALSE(ValidateHotKeyCandidate('E', {2, 0, 0}, "C:\\"));
  EXPECT_FALSE(ValidateHotKeyCandidate(VK_TAB, {1, 0, 0}, "C:\\"));
  EXPECT_FALSE(ValidateHotKeyCandidate('P', {4, 3, 0}, "C:\\"));
  EXPECT_TRUE(ValidateHotKeyCandidate('P', {4, 1, 0}, "C:\\"));
  const std::vector<std::string> expected = {
      "You should select Hot key",
      "You should select Function, Folder, or File",
      "Cannot use this hot key.",
      "Control+ E key is duplicated with opening C:\\Tools\\edit.exe ",
      "Windows+ TAB key is duplicated with system key(Select Task)",
      "Alt+Shift+ P key is duplicated with system key(This hot key is already defined in other "
      "application)",
  };
  EXPECT_EQ(boxes_.Texts(), expected);
  for (const SeenMessageBox& box : boxes_.Seen()) {
    EXPECT_EQ(box.caption, "Stowpouch");
    EXPECT_FALSE(box.stopIcon) << box.text;
  }
}

}  // namespace
}  // namespace hotkeys_test
