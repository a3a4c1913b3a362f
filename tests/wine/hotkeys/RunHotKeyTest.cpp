// Carrying out a shortcut when its key arrives: a program started with its
// parameters, start-in folder and run state, and a function command handed
// to the runner the program gives.
#include <string>
#include <vector>

#include "HotKeyFixture.h"
#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyRegistration.h"
#include "hotkeys/HotKeys.h"
#include "tests/support/TestSupport.h"

namespace hotkeys_test {
namespace {

std::string ProbePath() { return test_support::ProgramFolder() + "StartProbe.exe"; }

std::vector<int> g_functionsRun;
void RecordFunction(int index) { g_functionsRun.push_back(index); }
void NoFunctionExpected(int index) { ADD_FAILURE() << "function command " << index << " ran"; }

// The probe renames its finished report into place; for a moment after the
// name appears the file may still be held by the rename.
bool Readable(const std::filesystem::path& report) { return ReadBytes(report) != "<missing>"; }

int32_t Add(CHotKeyItem item) {
  item.m_nHotKeyId = RegisterHotKeyItem(item.m_nVirtualKey, item.m_nModifiers);
  HotKeyList().push_back(item);
  return item.m_nHotKeyId;
}

TEST_F(HotKeyTest, FileShortcutStartsWithParametersStartInAndRunState) {
  const std::filesystem::path startIn = Scratch() / "start in";
  std::filesystem::create_directory(startIn);
  CHotKeyItem file;
  file.m_nType = HOTKEY_FILE;
  file.m_strCommand = ProbePath();
  file.m_strParameters = "alpha \"beta gamma\"";
  file.m_strStartIn = startIn.string();
  file.m_nRunState = 1;
  file.m_nModifiers = MOD_CONTROL | MOD_ALT;
  file.m_nVirtualKey = 'J';
  const int32_t id = Add(file);
  ASSERT_NE(id, 0);

  RunHotKeyItem(id, NoFunctionExpected);
  const std::filesystem::path report = startIn / "probe.txt";
  ASSERT_TRUE(WaitUntil([&] { return Readable(report); }));
  EXPECT_EQ(ReadBytes(report), "alpha \"beta gamma\"\r\n" + std::to_string(SW_SHOWMINIMIZED) +
                                   "\r\n");
}

TEST_F(HotKeyTest, EmptyStartInStartsInTheCurrentFolder) {
  CHotKeyItem file;
  file.m_nType = HOTKEY_FILE;
  file.m_strCommand = ProbePath();
  file.m_nRunState = 7;  // anything beyond minimised maximises
  file.m_nModifiers = MOD_CONTROL | MOD_ALT;
  file.m_nVirtualKey = 'J';
  RunHotKeyItem(Add(file), NoFunctionExpected);
  const std::filesystem::path report = Scratch() / "probe.txt";
  ASSERT_TRUE(WaitUntil([&] { return Readable(report); }));
  EXPECT_EQ(ReadBytes(report), "\r\n" + std::to_string(SW_SHOWMAXIMIZED) + "\r\n");
}

TEST_F(HotKeyTest, FunctionShortcutHandsItsCommandToTheRunner) {
  CHotKeyItem close;
  close.m_nType = HOTKEY_FUNCTION;
  close.m_nFunction = 10;
  close.m_nModifiers = MOD_WIN;
  close.m_nVirtualKey = VK_NEXT;
  const int32_t id = Add(close);
  ASSERT_NE(id, 0);
  g_functionsRun.clear();
  RunHotKeyItem(id + 1, RecordFunction);  // no shortcut has that id
  EXPECT_TRUE(g_functionsRun.empty());
  RunHotKeyItem(id, RecordFunction);
  EXPECT_EQ(g_functionsRun, std::vector<int>{10});
}

}  // namespace
}  // namespace hotkeys_test
