// The pouch menu of the running program: opened by the menu hotkey, walked
// with the keyboard, and refused a second time while it is open. (Letters
// select items through WM_MENUCHAR's MNC_SELECT, which Wine's menus do not
// act on; the answer itself is checked in the menu tests.)
#include "Harness.h"
#include "common/SharedNames.h"
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

}  // namespace
}  // namespace e2e
