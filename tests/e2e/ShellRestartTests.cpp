// A shell that restarts while Stowpouch runs gets Graftling back, and news of
// a shell that did not restart changes nothing. The load relay is registered
// in Graftling's place, so that Stowpouch's own load requests reach the
// stand-in shell as SHLoadInProc reaches the real one.
#include <optional>

#include "Harness.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/ServerRegistration.h"
#include "tests/support/shell/StandInShellClient.h"

namespace e2e {
namespace {

class ShellRestartTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ASSERT_TRUE(relay_.Registered());
    shell_.emplace();
    ASSERT_TRUE(shell_->Running());
    ASSERT_TRUE(farm_.Running());
    folder_ = farm_.Create(farm::Spec("CabinetWClass", "Folder"));
    ASSERT_TRUE(folder_);
    ASSERT_TRUE(FolderHasItem());
  }

  bool FolderHasItem() const { return shell_->Sync() && shell_->HasItem(folder_); }

  // The news a shell broadcasts as its taskbar comes up, sent: it returns
  // once Stowpouch has acted on it. (A posted message could be taken from
  // the queue while an earlier one is still being handled.)
  static bool TellTaskbarCreated(const Stowpouch& app) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(app.Window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0,
                               SMTO_NORMAL, kDeadlineMs, &ignored) != 0;
  }

  standin::ServerRegistration relay_{"LoadRelay.dll"};
  std::optional<standin::StandInShell> shell_;
  farm::WindowFarm farm_;
  HWND folder_ = nullptr;
};

TEST_F(ShellRestartTest, GraftlingFollowsTheShellThatRestarted) {
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  EXPECT_FALSE(FolderHasItem());
  EXPECT_TRUE(shell_->FilterInFront());

  // Any program may send the news; a second load request would switch the
  // filter off.
  for (int time = 1; time <= 2; ++time) {
    ASSERT_TRUE(TellTaskbarCreated(app));
    EXPECT_TRUE(shell_->FilterInFront()) << "news " << time;
    EXPECT_FALSE(FolderHasItem()) << "news " << time;
  }

  // The new shell gives every window an item; the news takes the folder's
  // away again.
  shell_.reset();
  shell_.emplace();
  ASSERT_TRUE(shell_->Running());
  ASSERT_TRUE(FolderHasItem());
  ASSERT_TRUE(TellTaskbarCreated(app));
  EXPECT_TRUE(shell_->FilterInFront());
  EXPECT_FALSE(FolderHasItem());

  PostMessageA(app.Window(), WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(app.process().WaitForExit());
  EXPECT_TRUE(FolderHasItem());
  EXPECT_FALSE(shell_->ModuleLoaded("Graftling.dll"));
}

}  // namespace
}  // namespace e2e
