// The tray icon of the running program: there while "MenuPosTray" is 1, what
// its mouse messages open, its own menu walked with the keyboard, and real
// clicks at it in the Wine desktop's tray. With STOWPOUCH_PICTURES naming a
// folder, the tray menu is saved there as a picture (tools/screenshot.sh).
#include "Harness.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "resources/resource.h"

namespace e2e {
namespace {

constexpr UINT kTrayIconId = 128;
constexpr UINT kTrayCallbackMessage = 0x57B;

using MenuText = std::vector<std::pair<UINT, std::string>>;

// What the open popup menu lists; nothing when it did not open or could
// not be read.
std::optional<MenuText> OpenedMenu(Stowpouch& app, bool* ownerDrawn = nullptr) {
  const HWND window = app.WaitForPopupMenu();
  const auto items = window ? app.Spy().ShownMenu(window) : std::nullopt;
  if (!items || items->empty()) return std::nullopt;
  if (ownerDrawn) *ownerDrawn = ((*items)[0].state & MF_OWNERDRAW) != 0;
  MenuText text;
  for (const spy::MenuItem& item : *items) text.emplace_back(item.id, item.text);
  return text;
}

const MenuText kTrayMenu = {{ID_TRAY_SHOW, "Show Stowpouch"},
                            {ID_TRAY_HIDE, "Hide Stowpouch"},
                            {0, ""},
                            {ID_TRAY_OPTIONS, "Open Stowpouch Option..."},
                            {ID_TRAY_SHOW_HIDE_WINDOWS, "Show/Hide Application Windows..."},
                            {ID_TRAY_ARRANGE_TASKBAR, "Arrange Taskbar List..."},
                            {ID_TRAY_SET_SHORTCUT_KEY, "Set Shortcut Key..."}};

class TrayIconTest : public StowpouchTest {
 protected:
  void PostMouse(Stowpouch& app, UINT mouseMessage) {
    ASSERT_TRUE(PostMessageA(app.Window(), kTrayCallbackMessage, kTrayIconId, mouseMessage));
  }

  // Opens the tray menu and chooses its `position`th item.
  void ChooseFromTrayMenu(Stowpouch& app, int position) {
    PostMouse(app, WM_RBUTTONUP);
    ASSERT_EQ(kTrayMenu, OpenedMenu(app));
    for (int down = 0; down < position; ++down) ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(PressKey(VK_RETURN));
  }
};

TEST_F(TrayIconTest, ThereOnlyWhileTheSettingIsOn) {
  for (const DWORD on : {1u, 0u}) {
    ResetSettings({{"MenuPosTray", on}});
    Stowpouch app;
    ASSERT_TRUE(app.Ready());
    EXPECT_EQ(on == 1, TrayIconThere(app.Window())) << "MenuPosTray " << on;
  }
}

TEST_F(TrayIconTest, MouseMessagesOpenThePouchAndTheTrayMenuAndShowTheWindow) {
  ResetSettings({{"HideStartup", 1}, {"QueryHide", 1}});
  Stowpouch app("/hide");
  ASSERT_TRUE(app.Ready());
  ASSERT_FALSE(Visible(app.Window()));
  bool ownerDrawn = false;
  PostMouse(app, WM_LBUTTONDOWN);
  PostMouse(app, WM_LBUTTONUP);
  ASSERT_TRUE(OpenedMenu(app, &ownerDrawn).has_value());
  EXPECT_TRUE(ownerDrawn) << "the left button did not open the pouch menu";
  ASSERT_TRUE(app.CloseMenus());
  PostMouse(app, WM_RBUTTONUP);
  EXPECT_EQ(kTrayMenu, OpenedMenu(app));
  ASSERT_TRUE(app.CloseMenus());
  ASSERT_TRUE(app.Settle());
  EXPECT_FALSE(Visible(app.Window()));
  // A double click shows the window, and its first click opens nothing.
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMouse(app, message);
  EXPECT_TRUE(WaitUntil([&] { return Visible(app.Window()); }));
  Sleep(GetDoubleClickTime() + 200);
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(app.PopupMenu(), nullptr);
}

TEST_F(TrayIconTest, TheTrayMenuShowsAndHidesTheMainWindow) {
  ResetSettings({{"HideStartup", 1}, {"QueryHide", 1}});
  Stowpouch app("/hide");
  ASSERT_TRUE(app.Ready());
  ASSERT_FALSE(Visible(app.Window()));
  ChooseFromTrayMenu(app, 1);
  EXPECT_TRUE(WaitUntil([&] { return Visible(app.Window()); }));
  ChooseFromTrayMenu(app, 2);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(app.Window()); }));
  EXPECT_EQ(nullptr, app.InformationDialog());
}

// With a dialog open, "Hide Stowpouch" brings that dialog back, as every
// other entry does, instead of hiding the window that waits for it.
TEST_F(TrayIconTest, HideWithADialogOpenBringsTheDialogBack) {
  ResetSettings({{"QueryHide", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  PostMessageA(app.Window(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED), 0);
  const HWND about = app.WaitForDialog("About Stowpouch");
  ASSERT_NE(nullptr, about);
  ChooseFromTrayMenu(app, 2);
  ASSERT_TRUE(WaitUntil([&] { return app.PopupMenu() == nullptr; }));
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(Visible(app.Window()));
  EXPECT_TRUE(IsWindowVisible(about));
  PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
}

// ---- real clicks in the tray ---------------------------------------------------

// The colour most of the program's 16 x 16 icon is painted in.
std::optional<COLORREF> IconMainColour() {
  const UniqueModule program(
      LoadLibraryExA((BinFolder() + "Stowpouch.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  const UniqueIcon icon(static_cast<HICON>(
      LoadImageA(program.Get(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0)));
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon.Get(), &info)) return std::nullopt;
  const UniqueGdiObject colour(info.hbmColor), mask(info.hbmMask);
  std::map<COLORREF, int> counts;
  {
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.Get(), colour.Get());
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) ++counts[GetPixel(dc.Get(), x, y)];
  }
  counts.erase(RGB(0, 0, 0));  // where the icon is transparent
  if (counts.empty()) return std::nullopt;
  auto most = counts.begin();
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it->second > most->second) most = it;
  return most->first;
}

// The middle of the pixels of `colour` on the taskbar, where Wine's desktop
// paints the notification icons; nothing unless they fit one small icon.
std::optional<POINT> IconOnTaskbar(COLORREF colour) {
  RECT taskbar{};
  if (!GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &taskbar)) return std::nullopt;
  const ScreenPicture picture;
  RECT found{taskbar.right, taskbar.bottom, taskbar.left, taskbar.top};
  for (int y = taskbar.top; y < taskbar.bottom; ++y)
    for (int x = taskbar.left; x < taskbar.right; ++x)
      if (picture.At(x, y) == colour) {
        found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y),
                 std::max<LONG>(found.right, x + 1), std::max<LONG>(found.bottom, y + 1)};
      }
  if (found.right <= found.left || found.right - found.left > 16 || found.bottom - found.top > 16)
    return std::nullopt;
  return POINT{(found.left + found.right) / 2, (found.top + found.bottom) / 2};
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

TEST_F(TrayIconTest, ClicksAtTheIconOpenThePouchAndTheTrayMenu) {
  const std::optional<COLORREF> colour = IconMainColour();
  ASSERT_TRUE(colour.has_value()) << "cannot read the program icon";
  ResetSettings({{"HideStartup", 1}, {"QueryHide", 1}});
  Stowpouch app("/hide");
  ASSERT_TRUE(app.Ready());
  ASSERT_FALSE(Visible(app.Window()));
  std::optional<POINT> icon;
  ASSERT_TRUE(WaitUntil([&] { return (icon = IconOnTaskbar(*colour)).has_value(); }))
      << "the icon is not on the taskbar";

  bool ownerDrawn = false;
  ASSERT_TRUE(ClickAt(icon->x, icon->y));
  ASSERT_TRUE(OpenedMenu(app, &ownerDrawn).has_value());
  EXPECT_TRUE(ownerDrawn) << "a left click did not open the pouch menu";
  ASSERT_TRUE(app.CloseMenus());

  ASSERT_TRUE(ClickAt(icon->x, icon->y, true));
  EXPECT_EQ(kTrayMenu, OpenedMenu(app));
  if (const char* folder = std::getenv("STOWPOUCH_PICTURES")) {
    // Saved once the menu's text is on the screen.
    RECT menu{};
    GetWindowRect(app.WaitForPopupMenu(), &menu);
    std::optional<ScreenPicture> picture;
    EXPECT_TRUE(WaitUntil([&] {
      picture.emplace();
      for (int y = menu.top + 4; y < menu.bottom - 4; ++y)
        for (int x = menu.left + 4; x < menu.right - 4; ++x)
          if (picture->At(x, y) == GetSysColor(COLOR_MENUTEXT)) return true;
      return false;
    }));
    EXPECT_TRUE(picture->Save(std::string(folder) + "\\tray-menu.bmp"));
  }
  ASSERT_TRUE(app.CloseMenus());

  // A double click shows the main window and opens no menu. The pointer has
  // rested on the icon since the first click: the icon's tooltip may be up
  // over it and take the first press, so the pointer leaves until the
  // tooltip has gone; the double click then comes before it can return.
  ASSERT_TRUE(app.Settle());
  ASSERT_FALSE(Visible(app.Window()));
  ASSERT_TRUE(MoveCursorTo(300, 200));
  ASSERT_TRUE(WaitUntil([] {
    for (HWND tip : WindowsOfClass("tooltips_class32"))
      if (IsWindowVisible(tip)) return false;
    return true;
  }));
  ASSERT_TRUE(ClickAt(icon->x, icon->y, false, 2));
  EXPECT_TRUE(WaitUntil([&] { return Visible(app.Window()); }))
      << "under the pointer: " << ClassOf(WindowFromPoint(*icon));
  Sleep(GetDoubleClickTime() + 200);
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(app.PopupMenu(), nullptr);
  // A pointer resting on the tray would keep the icon's tooltip coming up
  // over later tests.
  MoveCursorTo(300, 200);
}

}  // namespace
}  // namespace e2e
