// Stowpouch on a screen of 144 dpi (this entry's bench runs at BENCH_DPI):
// the main window, the pouch menu and the dialogs scaled from their 96-dpi
// figures, every control inside its window, every label whole.
#include <cstdlib>
#include <functional>
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

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRectOnScreen(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
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
    if (!IsWindowVisible(control)) continue;
    const HWND parent = GetParent(control);
    EXPECT_TRUE(Inside(RectOf(control), ClientRectOnScreen(parent)))
        << ClassOf(control) << " \"" << WindowText(control) << "\" at "
        << Describe(RectOf(control)) << " outside " << ClassOf(parent) << " "
        << Describe(ClientRectOnScreen(parent));
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
    ASSERT_EQ(kDpi, ScreenDpi()) << "this suite needs its bench at " << kDpi << " dpi";
  }
};

// The label of a button of the main window in the font its template names.
struct LabelFit {
  bool fits;
  std::string why;
};

LabelFit FitsButton(HWND button, HDC dc) {
  const std::string label = WindowText(button);
  RECT client{};
  GetClientRect(button, &client);
  // The button's edges and focus frame take a few pixels on every side.
  const int width = client.right - Scaled(6);
  const int height = client.bottom - Scaled(4);
  RECT text{0, 0, width, 0};
  const bool multiline = (GetWindowLongA(button, GWL_STYLE) & BS_MULTILINE) != 0;
  DrawTextA(dc, label.c_str(), -1, &text,
            DT_CALCRECT | (multiline ? DT_WORDBREAK : DT_SINGLELINE));
  const bool fits = text.right <= width && text.bottom <= height;
  return {fits, "\"" + label + "\" needs " + std::to_string(text.right) + "x" +
                    std::to_string(text.bottom) + ", the button has " + std::to_string(width) +
                    "x" + std::to_string(height)};
}

TEST_F(HighDpiTest, MainWindowIsScaledWithEveryControlAndLabelInside) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(SavePictureOf(app.Window(), "main-window-144dpi"));
  const RECT window = RectOf(app.Window());
  EXPECT_NEAR(Scaled(436), window.right - window.left, 4);
  EXPECT_NEAR(Scaled(266), window.bottom - window.top, 4);
  ExpectControlsInside(app.Window());

  const HFONT font = CreateFontA(-MulDiv(8, kDpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  ASSERT_NE(font, nullptr);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font);
  int buttons = 0;
  for (HWND child = GetWindow(app.Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) != "Button") continue;
    ++buttons;
    const LabelFit fit = FitsButton(child, dc);
    EXPECT_TRUE(fit.fits) << fit.why;
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(font);
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
  ASSERT_TRUE(WaitUntil([&] { return Visible(sheet); }));
  ASSERT_TRUE(app.Settle());
  ASSERT_TRUE(SavePictureOf(sheet, "options-144dpi"));
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(sheet); }));

  PostMessageA(app.Window(), WM_COMMAND, MAKEWPARAM(IDC_SET_SHORTCUT_KEY, BN_CLICKED), 0);
  const HWND shortcuts = app.WaitForDialog("Set Shotcut Key Dialog");
  ASSERT_NE(shortcuts, nullptr);
  ExpectControlsInside(shortcuts);
  ASSERT_TRUE(WaitUntil([&] { return Visible(shortcuts); }));
  ASSERT_TRUE(app.Settle());
  ASSERT_TRUE(SavePictureOf(shortcuts, "set-shortcut-key-144dpi"));
  PostMessageA(shortcuts, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(shortcuts); }));
}

// The menu's colours: its background, and black for text and bar frames.
bool IsBackground(COLORREF colour) { return colour == GetSysColor(COLOR_MENU); }

TEST_F(HighDpiTest, PouchMenuItemsAreScaledAndWhole) {
  farm::WindowFarm farm;
  ASSERT_TRUE(farm.Running());
  ASSERT_TRUE(farm.Create(farm::Spec("CabinetWClass", "Apple folder")));
  ASSERT_TRUE(farm.Create(farm::Spec("CabinetWClass", "banana folder")));
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_EQ(0u, RunToEnd(BinFolder() + "Dartlet.exe"));
  const HWND root = app.WaitForPopupMenu();
  ASSERT_NE(root, nullptr);
  const std::optional<std::vector<spy::MenuItem>> items = app.Spy().ShownMenu(root);
  ASSERT_TRUE(items.has_value());
  const RECT menu = RectOf(root);

  // Painting ends with the last drive's bar.
  std::optional<ScreenPicture> picture;
  int keyedItems = 0, driveBars = 0;
  const auto check = [&](bool report) {
    keyedItems = driveBars = 0;
    bool whole = true;
    for (const spy::MenuItem& item : *items) {
      const RECT& r = item.rect;
      if (item.id == 0 || r.right <= r.left) continue;
      const std::string text = item.text;
      if (text.find('\t') != std::string::npos) {
        ++keyedItems;
        // The key text ends clear of the item's right edge.
        for (int y = r.top; y < r.bottom; ++y)
          for (int x = r.right - 2; x < r.right; ++x)
            if (!IsBackground(picture->At(x, y))) {
              whole = false;
              if (report)
                ADD_FAILURE() << "\"" << text << "\" reaches the menu's edge at " << x << "," << y;
            }
      }
      if (!menu_id::IsDriveId(static_cast<int32_t>(item.id))) continue;
      // A drive: its bar (a black frame round a grey free share) starts
      // clear of the label, with background just left of it.
      const int middle = (r.top + r.bottom) / 2;
      int barLeft = -1;
      for (int x = r.left; x + 1 < r.right && barLeft < 0; ++x)
        if (picture->At(x, middle) == RGB(0, 0, 0) && picture->At(x + 1, middle) == RGB(192, 192, 192))
          barLeft = x;
      if (barLeft < 0) {
        whole = false;
        if (report) ADD_FAILURE() << "no bar drawn for \"" << text << "\"";
        continue;
      }
      ++driveBars;
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = barLeft - Scaled(1); x < barLeft; ++x)
          if (!IsBackground(picture->At(x, y))) {
            whole = false;
            if (report) ADD_FAILURE() << "\"" << text << "\" runs into its bar at " << x << "," << y;
          }
    }
    return whole;
  };
  const bool whole = WaitUntil([&] {
    picture.emplace();
    return check(false);
  });
  // Not SavePictureOf: a menu redrawn whole loses its finished logo band.
  if (const char* folder = std::getenv("STOWPOUCH_PICTURES")) {
    EXPECT_TRUE(picture->Save(std::string(folder) + "\\pouch-menu-144dpi.bmp", &menu));
  }
  if (!whole) check(true);
  EXPECT_GT(keyedItems, 0) << "no item with a shortcut key to look at";
  EXPECT_GT(driveBars, 0);

  int windowItems = 0;
  for (const spy::MenuItem& item : *items) {
    const int height = item.rect.bottom - item.rect.top;
    if (item.id == 0) {
      EXPECT_NEAR(Scaled(6), height, 1) << "a separator";
    } else {
      EXPECT_NEAR(Scaled(31), height, 2) << "\"" << item.text << "\"";
      EXPECT_TRUE(Inside(item.rect, menu)) << "\"" << item.text << "\" " << Describe(item.rect);
    }
    if (std::string(item.text).find("folder") != std::string::npos) ++windowItems;
  }
  EXPECT_EQ(2, windowItems);
  ASSERT_TRUE(app.CloseMenus());
}

}  // namespace
}  // namespace e2e
