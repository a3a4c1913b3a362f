// The main window as it is laid out, and what reaches it from the outside
// helpers.

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

  struct {
    int id;
    int x, y;
  } const buttons[] = {{IDC_OPTIONS, 309, 29},
                       {IDC_SHOW_HIDE_WINDOW, 309, 71},
                       {IDC_ARRANGE_TASKBAR, 309, 113},
                       {IDC_SET_SHORTCUT_KEY, 309, 155},
                       {IDOK, 57, 206},
                       {IDC_EXIT, 140, 206},
                       {IDC_ABOUT, 223, 206},
                       {IDC_HELP_PAGE, 306, 206}};
  for (const auto& button : buttons) {
    const HWND control = GetDlgItem(window, button.id);
    ASSERT_NE(nullptr, control) << "button " << button.id;
    const RECT place = ClientPlace(window, control);
    EXPECT_EQ(button.x, place.left) << "button " << button.id << " at " << Describe(place);
    EXPECT_EQ(button.y, place.top) << "button " << button.id << " at " << Describe(place);
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
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.process().Running());
}

}  // namespace
}  // namespace e2e
