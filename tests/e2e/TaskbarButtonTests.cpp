// On a taskbar without the old tab control (Wine's own), Stowpouch takes the
// pouch windows' buttons itself through the taskbar list object, here the
// recording stand-in, and gives back exactly those it took; with the old tab
// control and Graftling in it, it never calls the object.
#include "Harness.h"

#include <tlhelp32.h>

#include "common/SharedNames.h"
#include "settings/SettingsRecord.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/ServerRegistration.h"
#include "tests/support/shell/StandInShellClient.h"
#include "tests/support/taskbarlist/RecorderClient.h"

namespace e2e {
namespace {

using taskbarlist::kAddTab;
using taskbarlist::kDeleteTab;
using taskbarlist::kHrInit;

void SetNumber(const char* name, DWORD value) {
  ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKeyPath, name, REG_DWORD,
                                           &value, sizeof value));
}

bool ModuleLoadedIn(DWORD processId, const char* name) {
  // Like CreateFile, the snapshot fails with INVALID_HANDLE_VALUE.
  const UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!snapshot) return false;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(snapshot.Get(), &module); more;
       more = Module32Next(snapshot.Get(), &module))
    if (lstrcmpiA(module.szModule, name) == 0) return true;
  return false;
}

class TaskbarButtonTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ASSERT_TRUE(recorder_.Registered());
    ASSERT_TRUE(farm_.Running());
    folder_ = farm_.Create(farm::Spec("CabinetWClass", "Folder"));
    explorer_ = farm_.Create(farm::Spec("ExploreWClass", "Explorer"));
    app_ = farm_.Create(farm::Spec("FarmApp", "Application"));
    ASSERT_TRUE(folder_ && explorer_ && app_);
  }

  int Deleted(HWND window) const { return recorder_.Count(kDeleteTab, window); }
  int Added(HWND window) const { return recorder_.Count(kAddTab, window); }

  static void Quit(Stowpouch& stowpouch) {
    PostMessageA(stowpouch.Window(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(stowpouch.process().WaitForExit());
  }

  taskbarlist::TaskbarListRecorder recorder_;
  farm::WindowFarm farm_;
  HWND folder_ = nullptr, explorer_ = nullptr, app_ = nullptr;
};

TEST_F(TaskbarButtonTest, PouchWindowsLoseTheirButtonsAndGetThemBackAtQuit) {
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch stowpouch;
  ASSERT_TRUE(stowpouch.Ready());
  EXPECT_EQ(Deleted(folder_), 1);
  EXPECT_EQ(Deleted(explorer_), 1);
  EXPECT_EQ(Deleted(app_), 0);
  EXPECT_EQ(recorder_.Count(kHrInit), 1);
  // Only the differences: nothing was hidden and shown again.
  EXPECT_EQ(farm_.TimesHidden(folder_), 0);
  EXPECT_EQ(farm_.TimesHidden(app_), 0);

  // A window that appears later is caught as it appears, and a look at the
  // pouch takes nothing twice.
  const HWND later = farm_.Create(farm::Spec("CabinetWClass", "Later folder"));
  const HWND laterApp = farm_.Create(farm::Spec("FarmApp", "Later application"));
  ASSERT_TRUE(later && laterApp);
  EXPECT_TRUE(WaitUntil([&] { return Deleted(later) == 1; }, 1000));
  PostMessageA(stowpouch.Window(), StowpouchMessage(), kMsgLaunchShortcut, 0);
  ASSERT_TRUE(stowpouch.WaitForPopupMenu());
  ASSERT_TRUE(stowpouch.CloseMenus());
  ASSERT_TRUE(stowpouch.Settle());
  EXPECT_EQ(Deleted(folder_), 1);
  EXPECT_EQ(Deleted(later), 1);
  EXPECT_EQ(Deleted(laterApp), 0);
  EXPECT_EQ(recorder_.Count(kAddTab), 0);

  // A window gone meanwhile gets nothing back.
  ASSERT_TRUE(farm_.Destroy(explorer_));
  Quit(stowpouch);
  EXPECT_EQ(Added(folder_), 1);
  EXPECT_EQ(Added(later), 1);
  EXPECT_EQ(Added(explorer_), 0);
  EXPECT_EQ(Added(app_), 0);
  EXPECT_EQ(Added(laterApp), 0);
  EXPECT_EQ(farm_.TimesHidden(folder_), 0);
}

TEST_F(TaskbarButtonTest, ARestartedShellHasEveryPouchButtonTakenAgain) {
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch stowpouch;
  ASSERT_TRUE(stowpouch.Ready());
  recorder_.Clear();
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(SendMessageTimeoutA(stowpouch.Window(), RegisterWindowMessageA("TaskbarCreated"), 0,
                                  0, SMTO_NORMAL, kDeadlineMs, &ignored));
  EXPECT_EQ(Deleted(folder_), 1);
  EXPECT_EQ(Deleted(explorer_), 1);
  EXPECT_EQ(Deleted(app_), 0);
  EXPECT_EQ(recorder_.Count(kAddTab), 0);
  Quit(stowpouch);
}

// The session key outlives a killed run; the next start finds the windows
// whose buttons were taken and gives back those that left the pouch.
TEST_F(TaskbarButtonTest, AStartAfterAKillGivesBackTheButtonsOfFormerPouchWindows) {
  ResetSettings({{"QueryQuit", 1}});
  HWND later = nullptr;
  {
    Stowpouch killed;
    ASSERT_TRUE(killed.Ready());
    ASSERT_EQ(Deleted(explorer_), 1);
    // One that appeared later is in the record too, once its queue is done.
    later = farm_.Create(farm::Spec("ExploreWClass", "Later explorer"));
    ASSERT_TRUE(later);
    ASSERT_TRUE(WaitUntil([&] { return Deleted(later) == 1; }));
    ASSERT_TRUE(killed.Settle());
    TerminateProcess(killed.process().Get(), 1);
    ASSERT_TRUE(killed.process().WaitForExit());
  }
  SetNumber("Explorer", 0);
  recorder_.Clear();
  Stowpouch next;
  ASSERT_TRUE(next.Ready());
  EXPECT_EQ(Added(explorer_), 1);
  EXPECT_EQ(Added(later), 1);
  EXPECT_EQ(Added(folder_), 0);
  EXPECT_EQ(Added(app_), 0);
  Quit(next);
  EXPECT_EQ(Added(explorer_), 1);
  EXPECT_EQ(Added(folder_), 1);
}

// Graftling in the old taskbar filters; the taskbar list is never asked.
TEST_F(TaskbarButtonTest, WithTheOldTabControlAndItsFilterNothingIsCalled) {
  const standin::ServerRegistration relay("LoadRelay.dll");
  ASSERT_TRUE(relay.Registered());
  const standin::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch stowpouch;
  ASSERT_TRUE(stowpouch.Ready());
  ASSERT_TRUE(shell.FilterInFront());
  const HWND later = farm_.Create(farm::Spec("CabinetWClass", "Later folder"));
  ASSERT_TRUE(later && shell.Sync());
  EXPECT_FALSE(shell.HasItem(later));
  ASSERT_TRUE(stowpouch.Settle());
  Quit(stowpouch);
  EXPECT_TRUE(recorder_.Calls().empty()) << recorder_.Calls().size() << " calls";
}

// Registered, Graftling would be created in Stowpouch itself (under Wine, as
// SHLoadInProc does on a shell that loads nothing) and switched on there.
TEST_F(TaskbarButtonTest, WithoutTheOldTabControlGraftlingIsNeverLoaded) {
  const standin::ServerRegistration registration;
  ASSERT_TRUE(registration.Registered());
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch stowpouch;
  ASSERT_TRUE(stowpouch.Ready());
  EXPECT_TRUE(ModuleLoadedIn(stowpouch.process().Id(), "Stowpouch.exe"));
  EXPECT_FALSE(ModuleLoadedIn(stowpouch.process().Id(), "Graftling.dll"));
  Quit(stowpouch);
}

}  // namespace
}  // namespace e2e
