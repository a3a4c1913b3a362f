// The pouch menu of the running program: opened by the menu hotkey, walked
// with the keyboard, and refused a second time while it is open. (Wine's
// menus act on WM_MENUCHAR's MNC_EXECUTE only: a letter that begins several
// items, answered with MNC_SELECT, is checked in the menu tests.)
#include "Harness.h"
#include "common/SharedNames.h"
#include "resources/resource.h"
#include "tests/support/farm/WindowFarmClient.h"

namespace e2e {
namespace {

class PouchMenuTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ASSERT_TRUE(farm_.Running());
    apple = farm_.Create(farm::Spec("CabinetWClass", "Apple folder", farm::ShowState::kMinimized));
    banana = farm_.Create(farm::Spec("CabinetWClass", "Banana folder"));
    ASSERT_TRUE(apple && banana);
  }

  // Opens the menu as the Quick Launch shortcut does, goes down to the
  // `entry`th item, into its submenu and chooses the submenu's first item.
  void ChooseFirstOfSubmenu(Stowpouch& app, int entry) {
    PostMessageA(app.Window(), StowpouchMessage(), kMsgLaunchShortcut, 0);
    ASSERT_NE(app.WaitForPopupMenu(), nullptr);
    for (int down = 0; down < entry; ++down) ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(PressKey(VK_RIGHT));
    ASSERT_TRUE(WaitUntil([&] { return ShownMenus(app) == 2; }));
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(WaitUntil([&] { return ShownMenus(app) == 0; }));
  }

  std::size_t ShownMenus(Stowpouch& app) {
    std::size_t shown = 0;
    for (HWND window : TopLevelWindows(app.process().Id(), "#32768", nullptr))
      if (IsWindowVisible(window)) ++shown;
    return shown;
  }

  farm::WindowFarm farm_;
  HWND apple = nullptr, banana = nullptr;
};

TEST_F(PouchMenuTest, TheKeyboardBringsTheChosenWindowBack) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  // Pressed again only if no menu came: while one is open the key is let go.
  ASSERT_TRUE(PressUntil({VK_LWIN, 'Q'}, [&] { return app.PopupMenu() != nullptr; }));
  ASSERT_NE(app.WaitForPopupMenu(), nullptr);
  // The windows end the root menu, sorted: up from nothing selected is
  // "Banana folder", once more "Apple folder".
  ASSERT_TRUE(PressKey(VK_UP));
  ASSERT_TRUE(PressKey(VK_UP));
  ASSERT_TRUE(PressKey(VK_RETURN));
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(apple) && GetForegroundWindow() == apple; }));
  EXPECT_EQ(ShownMenus(app), 0u);
}

TEST_F(PouchMenuTest, ASecondRequestWhileTheMenuIsOpenOpensNothing) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  PostMessageA(app.Window(), StowpouchMessage(), kMsgLaunchShortcut, 0);
  ASSERT_NE(app.WaitForPopupMenu(), nullptr);
  PostMessageA(app.Window(), StowpouchMessage(), kMsgLaunchShortcut, 0);
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(ShownMenus(app), 1u);
  ASSERT_TRUE(app.CloseMenus());
  EXPECT_TRUE(IsIconic(apple));
}

// Without the Desktop Icons entry the Function, Close and Minimize entries
// lead the menu.
TEST_F(PouchMenuTest, CloseFolderClosesEveryFolderWindow) {
  ResetSettings({{"DesktopIcon", 0}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ChooseFirstOfSubmenu(app, 2);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(apple) && !IsWindow(banana); }));
}

TEST_F(PouchMenuTest, MinimizeRestoreAllTwiceLeavesTheMinimizedAsTheyWere) {
  ResetSettings({{"DesktopIcon", 0}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ChooseFirstOfSubmenu(app, 1);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(banana) != FALSE; }));
  ChooseFirstOfSubmenu(app, 1);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(banana); }));
  EXPECT_TRUE(IsIconic(apple));
}

// Wine's menus act on MNC_EXECUTE only: a letter that begins one item alone
// chooses it.
TEST_F(PouchMenuTest, ALetterThatOnlyOneItemBeginsWithChoosesIt) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  PostMessageA(app.Window(), StowpouchMessage(), kMsgLaunchShortcut, 0);
  ASSERT_NE(app.WaitForPopupMenu(), nullptr);
  ASSERT_TRUE(PressKey('A'));
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(apple) && ShownMenus(app) == 0; }));
}

// After its menu the hidden main window keeps the foreground, but no key
// may reach it: Escape once more, out of habit, must not quit.
TEST_F(PouchMenuTest, EscapeAfterTheMenuOfTheHiddenWindowDoesNothing) {
  ResetSettings({{"QueryQuit", 1}, {"QueryHide", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  PostMessageA(app.Window(), WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(app.Window()); }));
  PostMessageA(app.Window(), StowpouchMessage(), kMsgLaunchShortcut, 0);
  ASSERT_NE(app.WaitForPopupMenu(), nullptr);
  ASSERT_TRUE(PressKey(VK_ESCAPE));
  ASSERT_TRUE(WaitUntil([&] { return ShownMenus(app) == 0; }));
  ASSERT_TRUE(PressKey(VK_ESCAPE));
  // Nothing outside shows that a key was dropped, and Wine hands the spy no
  // key messages: the quit it would start is given a few seconds to show.
  WaitUntil([&] { return !app.process().Running(); }, 4000);
  ASSERT_TRUE(app.process().Running()) << "Escape quit the hidden program";
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(app.InformationDialog(), nullptr);
  EXPECT_FALSE(Visible(app.Window()));
}

// The teardown rebuilds the taskbar buttons, which lets the queue through:
// a hotkey queued behind the quit must not open the menu on a window being
// destroyed.
TEST_F(PouchMenuTest, AHotKeyQueuedBehindTheQuitOpensNothing) {
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  PostMessageA(app.Window(), WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
  PostMessageA(app.Window(), WM_HOTKEY, 'Q', MAKELPARAM(MOD_WIN, 'Q'));
  ASSERT_TRUE(app.process().WaitForExit()) << "still running, menu shown: " << app.PopupMenu();
  EXPECT_EQ(0u, app.process().ExitCode());
}

// A quit request (the Exit command, "Stowpouch.exe /close") ends the open
// menu instead of waiting for it.
class QuitWithTheMenuOpenTest : public PouchMenuTest, public testing::WithParamInterface<bool> {};

TEST_P(QuitWithTheMenuOpenTest, EndsTheMenuAndTheProgram) {
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  PostMessageA(app.Window(), StowpouchMessage(), kMsgLaunchShortcut, 0);
  ASSERT_NE(app.WaitForPopupMenu(), nullptr);
  if (GetParam()) {
    EXPECT_EQ(0u, RunToEnd(BinFolder() + "Stowpouch.exe", "/close"));
  } else {
    PostMessageA(app.Window(), WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
  }
  ASSERT_TRUE(app.process().WaitForExit()) << "still running with its menu open";
  EXPECT_EQ(0u, app.process().ExitCode());
}

INSTANTIATE_TEST_SUITE_P(Requests, QuitWithTheMenuOpenTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "CloseOption" : "ExitCommand";
                         });

}  // namespace
}  // namespace e2e
