// Stowpouch with Graftling in a shell: the stand-in shell serves the load
// requests that Stowpouch makes at start and at quit (under Wine the
// platform would serve them in Stowpouch's own process), and the program's
// start and quit decide which taskbar items the pouch windows have.
#include "Harness.h"
#include "shellext/GraftlingIds.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/ServerRegistration.h"
#include "tests/support/shell/StandInShellClient.h"

namespace e2e {
namespace {

class TaskbarFilterTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ASSERT_TRUE(registration_.Registered());
    ASSERT_TRUE(shell_.Running());
    ASSERT_TRUE(farm_.Running());
    folder = farm_.Create(farm::Spec("CabinetWClass", "Folder"));
    app = farm_.Create(farm::Spec("FarmApp", "Application"));
    ASSERT_TRUE(folder && app);
    ASSERT_TRUE(shell_.Sync());
    ASSERT_TRUE(shell_.HasItem(folder) && shell_.HasItem(app));
  }

  // One load request as the shell serves it; true when it reached Graftling
  // and the filter is then in front of the tab control (`on`) or out of it.
  bool ServeLoadRequest(bool on) const {
    return shell_.ServeLoadRequest(CLSID_Graftling) == CLASS_E_CLASSNOTAVAILABLE &&
           shell_.FilterInFront() == on;
  }

  standin::ServerRegistration registration_;
  // Reading reports only when synced, the stand-in sees every rebuilt window
  // visible again: only what happened to it can take its button through the
  // filter.
  standin::StandInShell shell_{standin::protocol::kLateOption};
  farm::WindowFarm farm_;
  HWND folder = nullptr, app = nullptr;
};

TEST_F(TaskbarFilterTest, FoldersLeaveTheTaskbarWhileStowpouchRunsAndComeBackWhenItQuits) {
  // The filter goes in while folders are still off, so only Stowpouch's
  // reload request can make it take them.
  ResetSettings({{"Folder", 0}});
  ASSERT_TRUE(ServeLoadRequest(true));
  ResetSettings({{"Folder", 1}, {"QueryQuit", 1}});
  {
    // Its start has rebuilt every button by the time it is ready.
    Stowpouch stowpouch;
    ASSERT_TRUE(stowpouch.Ready());
    ASSERT_TRUE(shell_.Sync());
    EXPECT_FALSE(shell_.HasItem(folder));
    EXPECT_TRUE(shell_.HasItem(app));
    // Shown again later, the folder still gets no item.
    ShowWindow(folder, SW_HIDE);
    ShowWindow(folder, SW_SHOWNA);
    ShowWindow(app, SW_HIDE);
    ShowWindow(app, SW_SHOWNA);
    ASSERT_TRUE(shell_.Sync());
    EXPECT_TRUE(shell_.HasItem(app));
    EXPECT_FALSE(shell_.HasItem(folder));

    // The second load request switches the filter off; the buttons follow
    // when Stowpouch rebuilds them on its way out.
    ASSERT_TRUE(ServeLoadRequest(false));
    ASSERT_TRUE(shell_.Sync());
    EXPECT_FALSE(shell_.HasItem(folder));
    PostMessageA(stowpouch.Window(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(stowpouch.process().WaitForExit());
  }
  ASSERT_TRUE(shell_.Sync());
  EXPECT_TRUE(shell_.HasItem(folder));
  EXPECT_TRUE(shell_.HasItem(app));
  EXPECT_FALSE(shell_.ModuleLoaded("Graftling.dll"));
}

}  // namespace
}  // namespace e2e
