// What the running program does to other programs' windows: Windows key + M
// and Windows key + Shift + M, and the old taskbar's refresh when it starts
// and quits.
#include "Harness.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/StandInShellClient.h"

namespace e2e {
namespace {

bool Minimized(HWND window) { return IsIconic(window) != FALSE; }

using farm::Spec;

class PouchWindowTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ASSERT_TRUE(farm_.Running());
    folder = farm_.Create(Spec("CabinetWClass", "Folder"));
    explorer = farm_.Create(Spec("ExploreWClass", "Explorer"));
    app = farm_.Create(Spec("FarmApp", "Application"));
    minimizedFolder =
        farm_.Create(Spec("CabinetWClass", "Minimised folder", farm::ShowState::kMinimized));
    hiddenFolder = farm_.Create(Spec("CabinetWClass", "Hidden folder", farm::ShowState::kHidden));
    ASSERT_TRUE(folder && explorer && app && minimizedFolder && hiddenFolder);
  }

  farm::WindowFarm farm_;
  HWND folder = nullptr, explorer = nullptr, app = nullptr, minimizedFolder = nullptr,
       hiddenFolder = nullptr;
};

TEST_F(PouchWindowTest, WindowsKeyMMinimisesThePouchAndShiftBringsItBack) {
  Stowpouch app_;
  ASSERT_TRUE(app_.Ready());
  EXPECT_TRUE(PressUntil({VK_LWIN, 'M'}, [&] { return Minimized(folder) && Minimized(explorer); }));
  ASSERT_TRUE(app_.Settle());
  EXPECT_FALSE(Minimized(app));

  // A pouch window closed meanwhile is skipped; the rest come back, also the
  // one that was minimised before, since the lists include minimised ones.
  ASSERT_TRUE(farm_.Destroy(explorer));
  EXPECT_TRUE(PressUntil({VK_LWIN, VK_SHIFT, 'M'},
                         [&] { return !Minimized(folder) && !Minimized(minimizedFolder); }));
  ASSERT_TRUE(app_.Settle());
  EXPECT_FALSE(Visible(hiddenFolder));
  EXPECT_TRUE(app_.process().Running());
}

// The old taskbar with its tab control rebuilds its buttons when the windows
// are hidden and shown again; any other taskbar is left without the flicker.
TEST_F(PouchWindowTest, StartAndQuitRebuildEveryTaskbarButton) {
  const standin::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  ResetSettings({{"QueryQuit", 1}});
  {
    Stowpouch app_;
    ASSERT_TRUE(app_.Ready());
    // The refresh lets the program's queue run between windows, so the spy's
    // settle mark may pass before it ends.
    for (HWND window : {folder, explorer, app, minimizedFolder}) {
      EXPECT_TRUE(WaitUntil([&] { return farm_.TimesHidden(window) == 1 && Visible(window); }))
          << WindowText(window) << " hidden " << farm_.TimesHidden(window) << " times";
    }
    EXPECT_TRUE(Minimized(minimizedFolder));
    EXPECT_EQ(farm_.TimesHidden(hiddenFolder), 0);

    PostMessageA(app_.Window(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(app_.process().WaitForExit());
  }
  for (HWND window : {folder, explorer, app, minimizedFolder}) {
    EXPECT_EQ(farm_.TimesHidden(window), 2);
    EXPECT_TRUE(Visible(window));
  }
  EXPECT_FALSE(Visible(hiddenFolder));
}

}  // namespace
}  // namespace e2e
