// Stowpouch on a screen of 144 dpi (this entry's bench runs at BENCH_DPI):
// the main window, the pouch menu and the dialogs scaled from their 96-dpi
// figures, every control inside its window, every text whole.
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "Harness.h"
#include "menu/MenuIds.h"
#include "resources/resource.h"
#include "tests/support/farm/WindowFarmClient.h"

namespace e2e {
namespace {

constexpr int kDpi = 144;

int Scaled(int value) { return MulDiv(value, kDpi, 96); }

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Every visible control of `dialog`, at any depth (a sheet's pages hold
// theirs), lies within its parent's client area.
void ExpectControlsInside(HWND dialog) {
  std::vector<HWND> controls;
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&controls));
  ASSERT_FALSE(controls.empty());
  for (HWND control : controls) {
    RECT client{};
    GetClientRect(GetParent(control), &client);
    MapWindowPoints(GetParent(control), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT rect = RectOf(control);
    EXPECT_TRUE(!IsWindowVisible(control) || Inside(rect, client))
        << "\"" << WindowText(control) << "\" reaches " << rect.right << "," << rect.bottom
        << ", its parent's client area ends at " << client.right << "," << client.bottom;
  }
}

class HighDpiTest : public StowpouchTest {
 protected:
  static void SetUpTestSuite() {
    // This process sees the screen's own pixels, as the program does; else
    // the system would report them scaled to 96 dpi.
    using SetContext = BOOL(WINAPI*)(HANDLE);
    const auto set = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext")));
    if (set) set(reinterpret_cast<HANDLE>(-4));  // per monitor, version 2
  }

  void SetUp() override {
    StowpouchTest::SetUp();
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(kDpi, dpi) << "this suite needs its bench at " << kDpi << " dpi";
  }
};

TEST_F(HighDpiTest, MainWindowIsScaledWithEveryControlAndLabelInside) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(SavePictureOf(app.Window(), "main-window-144dpi"));
  const RECT window = RectOf(app.Window());
  EXPECT_NEAR(Scaled(436), window.right - window.left, 4);
  EXPECT_NEAR(Scaled(266), window.bottom - window.top, 4);
  ExpectControlsInside(app.Window());

  // Each label, in the font the template names, fits its button less the
  // button's edges.
  const HDC dc = CreateCompatibleDC(nullptr);
  const HFONT font = CreateFontA(-MulDiv(8, kDpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  const HGDIOBJ previous = SelectObject(dc, font);
  int buttons = 0;
  for (HWND button = FindWindowExA(app.Window(), nullptr, "Button", nullptr); button;
       button = FindWindowExA(app.Window(), button, "Button", nullptr), ++buttons) {
    RECT client{}, label{};
    GetClientRect(button, &client);
    label.right = client.right - Scaled(6);
    const bool multiline = (GetWindowLongA(button, GWL_STYLE) & BS_MULTILINE) != 0;
    DrawTextA(dc, WindowText(button).c_str(), -1, &label,
              DT_CALCRECT | (multiline ? DT_WORDBREAK : DT_SINGLELINE));
    EXPECT_TRUE(label.right <= client.right - Scaled(6) && label.bottom <= client.bottom - Scaled(4))
        << "\"" << WindowText(button) << "\" needs " << label.right << "x" << label.bottom
        << " in a button of " << client.right << "x" << client.bottom;
  }
  SelectObject(dc, previous);
  DeleteObject(font);
  DeleteDC(dc);
  EXPECT_EQ(8, buttons);
}

TEST_F(HighDpiTest, DialogsHoldEveryControl) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  PostMessageA(app.Window(), WM_COMMAND, MAKEWPARAM(IDC_OPTIONS, BN_CLICKED), 0);
  HWND sheet = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (sheet = TopLevelWindow(app.process().Id(), nullptr, "Option")); }));
  // Every page, each made the current one (which creates it).
  for (WPARAM page = 0; Send(sheet, PSM_SETCURSEL, page, 0).value_or(0); ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    ExpectControlsInside(sheet);
  }
  Send(sheet, PSM_SETCURSEL, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return Visible(sheet); }) && app.Settle());
  ASSERT_TRUE(SavePictureOf(sheet, "options-144dpi"));
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }));

  PostMessageA(app.Window(), WM_COMMAND, MAKEWPARAM(IDC_SET_SHORTCUT_KEY, BN_CLICKED), 0);
  const HWND shortcuts = app.WaitForDialog("Set Shotcut Key Dialog");
  ASSERT_NE(shortcuts, nullptr);
  ExpectControlsInside(shortcuts);
  ASSERT_TRUE(WaitUntil([&] { return Visible(shortcuts); }) && app.Settle());
  ASSERT_TRUE(SavePictureOf(shortcuts, "set-shortcut-key-144dpi"));
  PostMessageA(shortcuts, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(shortcuts); }));
}

// Whether the picture shows only the menu's background in `area`.
bool OnlyBackground(const ScreenPicture& picture, const RECT& area) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (picture.At(x, y) != GetSysColor(COLOR_MENU)) return false;
  return true;
}

TEST_F(HighDpiTest, PouchMenuItemsAreScaledAndWhole) {
  farm::WindowFarm farm;
  ASSERT_TRUE(farm.Running());
  for (const char* title : {"Apple folder", "banana folder"})
    ASSERT_TRUE(farm.Create(farm::Spec("CabinetWClass", title)));
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_EQ(0u, RunToEnd(BinFolder() + "Dartlet.exe"));
  const HWND root = app.WaitForPopupMenu();
  ASSERT_NE(root, nullptr);
  const std::optional<std::vector<spy::MenuItem>> items = app.Spy().ShownMenu(root);
  ASSERT_TRUE(items.has_value());
  const RECT menu = RectOf(root);
  for (const spy::MenuItem& item : *items) {
    const int height = item.rect.bottom - item.rect.top;
    EXPECT_NEAR(item.id == 0 ? Scaled(6) : Scaled(31), height, 2) << "\"" << item.text << "\"";
    EXPECT_TRUE(Inside(item.rect, menu)) << "\"" << item.text << "\"";
  }

  // Once painted: no key text reaches the item's right edge, and every
  // drive's bar (a black frame round a grey free share) starts clear of
  // its label.
  std::optional<ScreenPicture> picture;
  int keys = 0, bars = 0;
  const auto whole = [&] {
    picture.emplace();
    keys = bars = 0;
    for (const spy::MenuItem& item : *items) {
      const RECT& r = item.rect;
      if (std::string(item.text).find('\t') != std::string::npos) {
        ++keys;
        if (!OnlyBackground(*picture, {r.right - 2, r.top, r.right, r.bottom})) return false;
      }
      if (!menu_id::IsDriveId(static_cast<int32_t>(item.id))) continue;
      const int middle = (r.top + r.bottom) / 2;
      int bar = r.left;
      while (bar + 1 < r.right && !(picture->At(bar, middle) == RGB(0, 0, 0) &&
                                    picture->At(bar + 1, middle) == RGB(192, 192, 192)))
        ++bar;
      if (bar + 1 >= r.right || !OnlyBackground(*picture, {bar - 2, r.top, bar, r.bottom}))
        return false;
      ++bars;
    }
    return true;
  };
  EXPECT_TRUE(WaitUntil(whole)) << "a key text cut or a drive label into its bar, of " << keys
                                << " keys and " << bars << " bars";
  EXPECT_GT(keys, 0);
  EXPECT_GT(bars, 0);
  // Not SavePictureOf: a menu redrawn whole loses its finished logo band.
  if (const char* folder = std::getenv("STOWPOUCH_PICTURES")) {
    EXPECT_TRUE(picture->Save(std::string(folder) + "\\pouch-menu-144dpi.bmp", &menu));
  }
  ASSERT_TRUE(app.CloseMenus());
}

}  // namespace
}  // namespace e2e
