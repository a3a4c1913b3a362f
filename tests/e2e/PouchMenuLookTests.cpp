// The pouch menu as the screen shows it, with large and with small icons:
// the black logo band and a drive's free-space bar. With STOWPOUCH_PICTURES
// naming a folder, the pictures checked are saved there
// (tools/screenshot.sh does so).
#include <cstdlib>
#include <optional>
#include <string>

#include "Harness.h"
#include "tests/support/farm/WindowFarmClient.h"

namespace e2e {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBarGrey = RGB(192, 192, 192);
constexpr int kLogoHeight = 251;

struct Look {
  const char* name;
  DWORD largeIcons;
  int barWidth;
};

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// The first drive's bar: its frame's left edge and how many of its pixels
// are grey (the free share, less the two black edges of the grey part).
struct BarSeen {
  int left = 0;
  int greyPixels = 0;
};

std::optional<BarSeen> FindDriveBar(const ScreenPicture& picture, const RECT& menu, int width) {
  for (int y = menu.top; y < menu.bottom; ++y) {
    for (int x = menu.left; x + width <= menu.right; ++x) {
      if (picture.At(x, y) != kBlack || picture.At(x + 1, y) != kBarGrey) continue;
      int grey = 0;
      while (picture.At(x + 1 + grey, y) == kBarGrey) ++grey;
      if (picture.At(x + 1 + grey, y) == kBlack && picture.At(x + width - 1, y) == kBlack)
        return BarSeen{x, grey};
    }
  }
  return std::nullopt;
}

// The first drive the menu lists, and the share of its bar that is free.
std::optional<double> FirstDriveFreeShare() {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(root);
    if (type != DRIVE_FIXED && type != DRIVE_REMOTE && type != DRIVE_CDROM) continue;
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExA(root, &available, &total, &free) || total.QuadPart == 0) continue;
    return double(free.QuadPart) / double(total.QuadPart);
  }
  return std::nullopt;
}

bool AnyPixelOf(const ScreenPicture& picture, const RECT& area, COLORREF colour) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (picture.At(x, y) == colour) return true;
  return false;
}

class PouchMenuLookTest : public StowpouchTest, public testing::WithParamInterface<Look> {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ResetSettings({{"DisplayMenuLargeIcon", GetParam().largeIcons}});
    ASSERT_TRUE(farm_.Running());
    farm::WindowSpec page = farm::Spec("IEFRAME", "News - Web page");
    page.documentViewDepth = 2;
    const farm::WindowSpec windows[] = {
        farm::Spec("CabinetWClass", "Apple folder"), farm::Spec("CabinetWClass", "banana folder"),
        farm::Spec("CabinetWClass", "Tom & Jerry", farm::ShowState::kMinimized),
        farm::Spec("CabinetWClass", "Work"), farm::Spec("ExploreWClass", "Projects - Explorer"),
        farm::Spec("ExploreWClass", "Music - Explorer"), page, page};
    for (const farm::WindowSpec& spec : windows) ASSERT_TRUE(farm_.Create(spec));
  }

  farm::WindowFarm farm_;
};

TEST_P(PouchMenuLookTest, LogoBandAndDriveBar) {
  const Look look = GetParam();
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_EQ(0u, RunToEnd(BinFolder() + "Dartlet.exe"));
  const HWND root = app.WaitForPopupMenu();
  ASSERT_NE(root, nullptr);
  // The Desktop Icons submenu, opened from the first item.
  ASSERT_TRUE(PressKey(VK_DOWN));
  ASSERT_TRUE(PressKey(VK_RIGHT));
  HWND desktop = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND shown : TopLevelWindows(app.process().Id(), "#32768", nullptr))
      if (shown != root && Visible(shown)) desktop = shown;
    return desktop != nullptr;
  }));
  const RECT menu = RectOf(root);
  RECT firstEntry = RectOf(desktop);
  firstEntry.bottom = firstEntry.top + 8;

  // Painting ends with the bar drawn and the submenu's first entry selected.
  std::optional<ScreenPicture> picture;
  std::optional<BarSeen> bar;
  const bool drawn = WaitUntil([&] {
    picture.emplace();
    bar = FindDriveBar(*picture, menu, look.barWidth);
    return bar && AnyPixelOf(*picture, firstEntry, GetSysColor(COLOR_HIGHLIGHT));
  });
  if (const char* folder = std::getenv("STOWPOUCH_PICTURES")) {
    EXPECT_TRUE(picture->Save(std::string(folder) + "\\pouch-menu-" + look.name + ".bmp"));
  }
  ASSERT_TRUE(drawn) << "no drive bar " << look.barWidth << " wide, or the submenu not drawn";

  // Above the logo, which meets the band's lower end, the band is black.
  int bandLeft = menu.left;
  while (bandLeft < menu.left + 8 && picture->At(bandLeft, menu.top + 8) != kBlack) ++bandLeft;
  ASSERT_GT(menu.bottom - menu.top, kLogoHeight + 40) << "the menu is too short to show the band";
  for (int y = menu.top + 8; y < menu.bottom - kLogoHeight - 8; ++y)
    for (int x : {bandLeft, bandLeft + 12, bandLeft + 24}) {
      ASSERT_EQ(kBlack, picture->At(x, y)) << "band pixel " << x << "," << y;
    }

  // Uncovered (here: repainted whole), the menu draws its items whole again
  // and each gets its part of the band back, the logo's slice included.
  const ScreenPicture before = *picture;
  RedrawWindow(root, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const auto bandAsBefore = [&] {
    picture.emplace();
    for (int y = menu.top + 8; y < menu.bottom - 4; ++y)
      for (int x : {bandLeft, bandLeft + 12, bandLeft + 24})
        if (picture->At(x, y) != before.At(x, y)) return false;
    return true;
  };
  EXPECT_TRUE(WaitUntil(bandAsBefore)) << "the band is not whole after the menu was repainted";

  const std::optional<double> share = FirstDriveFreeShare();
  ASSERT_TRUE(share.has_value());
  EXPECT_NEAR(*share * look.barWidth, bar->greyPixels + 2, 1.0);
  ASSERT_TRUE(app.CloseMenus());
}

INSTANTIATE_TEST_SUITE_P(Icons, PouchMenuLookTest,
                         testing::Values(Look{"large", 1, 100}, Look{"small", 0, 50}),
                         [](const testing::TestParamInfo<Look>& info) { return info.param.name; });

}  // namespace
}  // namespace e2e
