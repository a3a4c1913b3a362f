// The main window's pictures: the program icon and the ten menu icons in
// both sizes, and the logo band's bitmap. (Wine ignores LR_VGACOLOR, so the 16-colour choice is not
// observable here.)
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "menu/MenuArt.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace {

constexpr UINT kIconIds[] = {IDR_MAINFRAME, IDI_APPLICATION_WINDOW, IDI_DESKTOP, IDI_CLOSE,
                             IDI_MINIMIZE,  IDI_DRIVE,              IDI_EXPLORER, IDI_FOLDER,
                             IDI_BROWSER,   IDI_BROWSER2,           IDI_COMMAND};

struct IconPixels {
  int width = 0;
  int height = 0;
  std::set<COLORREF> colours;
};

IconPixels ReadIcon(HICON icon) {
  IconPixels result;
  ICONINFO info = {};
  if (!GetIconInfo(icon, &info)) return result;
  BITMAP bitmap = {};
  GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
  result.width = bitmap.bmWidth;
  result.height = bitmap.bmHeight;
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(dc, info.hbmColor);
  for (int y = 0; y < bitmap.bmHeight; ++y)
    for (int x = 0; x < bitmap.bmWidth; ++x) result.colours.insert(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return result;
}

class MainWindowIconsTest : public ::testing::Test {
 protected:
  void TearDown() override { Settings() = SettingsRecord(); }
};

TEST_F(MainWindowIconsTest, LoadsEveryIconLargeAndSmallAndTheLogo) {
  const auto window = std::make_unique<MenuArt>(GetModuleHandleA(nullptr), true);
  for (UINT id : kIconIds) {
    const IconPixels large = ReadIcon(window->Icon(id, true));
    const IconPixels small = ReadIcon(window->Icon(id, false));
    EXPECT_EQ(large.width, 64) << id;
    EXPECT_EQ(large.height, 64) << id;
    EXPECT_EQ(small.width, 16) << id;
    EXPECT_EQ(small.height, 16) << id;
    EXPECT_GT(large.colours.size(), 16u) << "icon " << id << " lost its colours";
  }
  EXPECT_EQ(window->Icon(IDI_FOLDER_WINDOW, true), nullptr);
  BITMAP logo{};
  ASSERT_TRUE(GetObjectA(window->Logo(), sizeof logo, &logo));
  EXPECT_EQ(logo.bmWidth, 25);
  EXPECT_EQ(logo.bmHeight, 251);
}

}  // namespace
