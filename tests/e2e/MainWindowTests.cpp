// The main window as it is laid out, and what reaches it from the outside
// helpers.

#include <algorithm>
#include <utility>
#include <vector>

#include "Harness.h"
#include "common/SharedNames.h"
#include "resources/resource.h"

namespace e2e {
namespace {

using MainWindowTest = StowpouchTest;

// Where a child sits, in its parent's client coordinates.
RECT ClientPlace(HWND parent, HWND child) {
  RECT place{};
  GetWindowRect(child, &place);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

TEST_F(MainWindowTest, LayoutAndPicture) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  const HWND window = app.Window();
  RECT frame{};
  ASSERT_TRUE(GetWindowRect(window, &frame));
  EXPECT_EQ(436, frame.right - frame.left);
  EXPECT_EQ(266, frame.bottom - frame.top);

  const HWND picture = GetDlgItem(window, IDC_PICTURE);
  ASSERT_NE(nullptr, picture);
  EXPECT_EQ("14,13 282x178", Describe(ClientPlace(window, picture)));
  EXPECT_NE(0, Send(picture, STM_GETIMAGE, IMAGE_BITMAP, 0).value_or(0))
      << "no bitmap on the picture";

  // The margin left of the picture shows the client background once the
  // window is on top and painted.
  ASSERT_TRUE(BringToFront(window));
  COLORREF colour = CLR_INVALID;
  EXPECT_TRUE(WaitUntil([&] {
    POINT margin{5, 100};
    ClientToScreen(window, &margin);
    const HDC screen = GetDC(nullptr);
    colour = GetPixel(screen, margin.x, margin.y);
    ReleaseDC(nullptr, screen);
    return colour == RGB(255, 255, 255);
  })) << "background "
      << std::hex << colour;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

// Whatever the font's base units make of the template's sizes, every control
// shows whole, no button covers another, and the buttons stay where people
// know them.
TEST_F(MainWindowTest, ControlsShowWholeAtTheirPlaces) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  const HWND window = app.Window();
  RECT client{};
  ASSERT_TRUE(GetClientRect(window, &client));

  std::vector<std::pair<HWND, RECT>> buttons;
  for (const HWND child : Children(window)) {
    const RECT place = ClientPlace(window, child);
    const std::string name = WindowText(child) + " at " + Describe(place);
    EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right &&
                place.bottom <= client.bottom)
        << name << " leaves the client area " << Describe(client);
    char className[32] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Button") == 0) buttons.emplace_back(child, place);
  }
  ASSERT_EQ(8u, buttons.size());
  for (std::size_t i = 0; i < buttons.size(); ++i)
    for (std::size_t j = i + 1; j < buttons.size(); ++j) {
      RECT overlap{};
      EXPECT_FALSE(IntersectRect(&overlap, &buttons[i].second, &buttons[j].second))
          << WindowText(buttons[i].first) << " and " << WindowText(buttons[j].first);
    }

  const std::pair<const char*, POINT> corners[] = {
      {"Options", {309, 29}}, {"Show/Hide Window", {309, 71}}, {"Arrange TaskBar", {309, 113}},
      {"Set Shortcut key", {309, 155}}, {"Hide", {57, 206}}, {"Exit !", {140, 206}},
      {"About", {223, 206}}, {"Help", {306, 206}}};
  for (const auto& [text, corner] : corners) {
    const auto found = std::find_if(buttons.begin(), buttons.end(),
                                    [&](const auto& b) { return WindowText(b.first) == text; });
    ASSERT_NE(buttons.end(), found) << text;
    EXPECT_EQ(corner.x, found->second.left) << text;
    EXPECT_EQ(corner.y, found->second.top) << text;
  }
}

TEST_F(MainWindowTest, SystemMenuEndsWithAbout) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  const auto menu = app.Spy().SystemMenu(app.Window());
  ASSERT_TRUE(menu.has_value()) << "the system menu was not read";
  ASSERT_GE(menu->size(), 2u);
  const spy::MenuItem& separator = (*menu)[menu->size() - 2];
  const spy::MenuItem& about = menu->back();
  EXPECT_TRUE(separator.state & MF_SEPARATOR) << "before the last item: " << separator.text;
  EXPECT_EQ(static_cast<uint32_t>(IDM_ABOUTBOX), about.id);
  EXPECT_STREQ("&About Stowpouch...", about.text);
}

TEST_F(MainWindowTest, DartletMessageArrives) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  EXPECT_EQ(0u, RunToEnd(BinFolder() + "Dartlet.exe"));
  const uintptr_t window = reinterpret_cast<uintptr_t>(app.Window());
  EXPECT_TRUE(app.Spy().WaitFor([window](const spy::Record& record) {
    return record.message == StowpouchMessage() && record.hwnd == window;
  })) << "no \"" STOWPOUCH_MESSAGE_NAME "\" reached the main window";
  std::vector<std::pair<uint64_t, int64_t>> got;
  for (const spy::Record& record : app.Spy().Seen())
    if (record.message == StowpouchMessage()) got.emplace_back(record.wParam, record.lParam);
  EXPECT_EQ((std::vector<std::pair<uint64_t, int64_t>>{{kMsgLaunchShortcut, 0}}), got);
  const HWND menu = app.WaitForPopupMenu();
  ASSERT_NE(menu, nullptr) << "no pouch menu";
  // The Quick Launch shortcut's menu stands on the taskbar. (Where along it
  // follows the cursor, which under Wine a test cannot place reliably: the
  // X server's late pointer reports can move it back.)
  RECT placed{}, taskbar{};
  GetWindowRect(menu, &placed);
  ASSERT_TRUE(GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &taskbar));
  EXPECT_EQ(taskbar.top, placed.bottom);
  ASSERT_TRUE(app.CloseMenus());
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.process().Running());
}

}  // namespace
}  // namespace e2e
