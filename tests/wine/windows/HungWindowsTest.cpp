// Window commands on a program that has stopped taking messages: they must
// not wait for it, and it carries them out once it runs again.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FarmWindows.h"
#include "windows/WindowCommands.h"

namespace windows_test {
namespace {

using HungWindowsTest = FarmTest;

TEST_F(HungWindowsTest, TilingMovesHungFoldersOnceTheyRunAgain) {
  Switch(1, 1, 1);
  // Three, so that no tile is taller than the screen lets a window be.
  const std::vector<HWND> folders = {Make(Spec("CabinetWClass", "Hung folder 1")),
                                     Make(Spec("CabinetWClass", "Hung folder 2")),
                                     Make(Spec("CabinetWClass", "Hung folder 3"))};
  const std::vector<WindowRect> places = TileRectangles(3, CurrentScreenMetrics());
  // Which folder gets which tile follows the stacking order; every tile
  // taken is what counts here.
  const auto tiled = [&] {
    return std::all_of(places.begin(), places.end(), [&](const WindowRect& place) {
      return std::any_of(folders.begin(), folders.end(),
                         [&](HWND folder) { return RectOf(folder) == place; });
    });
  };
  ASSERT_FALSE(tiled()) << "the folders start where tiling puts them";

  // The platform calls a program hung once it has left its queue alone for
  // five seconds.
  ASSERT_TRUE(farm_.Hang());
  ASSERT_TRUE(WaitUntil([&] { return IsHungAppWindow(folders[0]) != FALSE; }));
  TileFolders();
  EXPECT_TRUE(IsHungAppWindow(folders[0])) << "tiling waited for the hung program";
  EXPECT_FALSE(tiled());
  farm_.EndHang();
  EXPECT_TRUE(WaitUntil(tiled)) << "the queued moves were lost";
}

}  // namespace
}  // namespace windows_test
