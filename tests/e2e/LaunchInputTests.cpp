// Real input reaches the main window through the program's own wiring: the
// desktop-edge watch and the Windows-key hook it starts, and the menu
// hotkey it registers.
#include <algorithm>

#include "Harness.h"
#include "common/SharedNames.h"

namespace e2e {
namespace {

using LaunchInputTest = StowpouchTest;

bool IsRecord(const spy::Record& record, HWND window, UINT message, uint64_t wParam,
              int64_t lParam) {
  return record.hwnd == reinterpret_cast<uintptr_t>(window) && record.message == message &&
         record.wParam == wParam && record.lParam == lParam;
}

TEST_F(LaunchInputTest, DesktopEdgeClicksArriveWithTheirPoint) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  // Where the menu meets the click: its left, right or middle, its top.
  enum class Meets { kLeft, kRight, kMiddle };
  struct EdgeClick {
    int x, y;
    uint64_t code;
    Meets meets;
  };
  // The main window covers the top-left corner; these points are bare desktop.
  const int right = GetSystemMetrics(SM_CXSCREEN) - 1;
  for (const EdgeClick& click :
       {EdgeClick{0, 500, kMsgEdgeLeft, Meets::kLeft}, EdgeClick{right, 400, kMsgEdgeRight, Meets::kRight},
        EdgeClick{700, 0, kMsgEdgeTop, Meets::kMiddle}}) {
    ASSERT_TRUE(ClickAt(click.x, click.y));
    const LPARAM point = MAKELPARAM(click.x, click.y);
    EXPECT_TRUE(app.Spy().WaitFor([&](const spy::Record& record) {
      return IsRecord(record, app.Window(), StowpouchMessage(), click.code, point);
    })) << "no edge message " << click.code << " for " << click.x << "," << click.y;
    const HWND menu = app.WaitForPopupMenu();
    EXPECT_NE(menu, nullptr) << "no pouch menu for edge " << click.code;
    RECT placed{};
    GetWindowRect(menu, &placed);
    const int x = click.meets == Meets::kLeft    ? placed.left
                  : click.meets == Meets::kRight ? placed.right
                                                 : (placed.left + placed.right) / 2;
    EXPECT_NEAR(click.x, x, click.meets == Meets::kMiddle ? 1 : 0) << "edge " << click.code;
    EXPECT_EQ(click.y, placed.top) << "edge " << click.code;
    ASSERT_TRUE(app.CloseMenus());
  }
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.process().Running());
}

TEST_F(LaunchInputTest, WindowsKeyCombinationsArrive) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(PressChord({VK_LWIN, 'M'}));
  EXPECT_TRUE(app.Spy().WaitFor([&](const spy::Record& record) {
    return IsRecord(record, app.Window(), SystemHotKeyMessage(), 0, MAKELPARAM(MOD_WIN, 'M'));
  }));
  ASSERT_TRUE(PressChord({VK_RWIN, VK_SHIFT, 'M'}));
  EXPECT_TRUE(app.Spy().WaitFor([&](const spy::Record& record) {
    return IsRecord(record, app.Window(), SystemHotKeyMessage(), 0,
                    MAKELPARAM(MOD_WIN | MOD_SHIFT, 'M'));
  }));
}

// The menu hotkey is let go while its menu runs and registered again after.
TEST_F(LaunchInputTest, MenuHotKeyWorksTimeAfterTime) {
  ResetSettings({{"IndexFunctionKey", 1}, {"IndexVirtualKey", 'K'}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  for (int press = 1; press <= 2; ++press) {
    ASSERT_TRUE(PressChord({VK_CONTROL, 'K'}));
    EXPECT_TRUE(app.Spy().WaitFor([&](const spy::Record& record) {
      return IsRecord(record, app.Window(), WM_HOTKEY, 'K', MAKELPARAM(MOD_CONTROL, 'K'));
    })) << "press " << press;
    // The key is let go while its menu is open.
    EXPECT_NE(app.WaitForPopupMenu(), nullptr) << "press " << press;
    ASSERT_TRUE(app.CloseMenus());
    ASSERT_TRUE(app.Settle());
    const auto seen = app.Spy().Seen();
    EXPECT_EQ(press, std::count_if(seen.begin(), seen.end(), [](const spy::Record& record) {
                return record.message == WM_HOTKEY;
              }));
  }
}

TEST_F(LaunchInputTest, MenuHotKeySwitchedOffRegistersNothing) {
  ResetSettings({{"MenuPosHotKey", 0}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(PressChord({VK_LWIN, 'Q'}));
  // Both keystrokes pass the Windows-key hook in order; a hotkey for the
  // first would be queued before the hook's report of the second.
  ASSERT_TRUE(PressChord({VK_LWIN, 'M'}));
  ASSERT_TRUE(app.Spy().WaitFor([&](const spy::Record& record) {
    return IsRecord(record, app.Window(), SystemHotKeyMessage(), 0, MAKELPARAM(MOD_WIN, 'M'));
  }));
  for (const spy::Record& record : app.Spy().Seen())
    EXPECT_NE(record.message, static_cast<UINT>(WM_HOTKEY)) << "wParam " << record.wParam;
}

// An empty hot key box stores key 0, which must not take the Windows key
// with no key at all from every other program.
TEST_F(LaunchInputTest, MenuHotKeyWithoutAKeyRegistersNothing) {
  ResetSettings({{"IndexVirtualKey", 0}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_WIN, 0));
  UnregisterHotKey(nullptr, 1);
}

}  // namespace
}  // namespace e2e
