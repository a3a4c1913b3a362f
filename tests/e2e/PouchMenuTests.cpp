// The pouch menu of the running program: opened by the menu hotkey, walked
// with the keyboard, and refused a second time while it is open. (Letters
// select items through WM_MENUCHAR's MNC_SELECT, which Wine's menus do not
// act on; the answer itself is checked in the menu tests.)
#include "Harness.h"
#include "common/SharedNames.h"
#include "tools/bench/farm/WindowFarmClient.h"

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
  ASSERT_TRUE(PressChord({VK_LWIN, 'Q'}));
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

}  // namespace
}  // namespace e2e
