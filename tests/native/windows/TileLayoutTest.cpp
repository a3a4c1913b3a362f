#include "windows/TileLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <numeric>

namespace {

// Screens people have: a small laptop, a common desktop, a tall portrait
// monitor, and odd sizes where the divisions do not come out even.
const ScreenMetrics kScreens[] = {
    {1024, 768, 4, 4, 1, 1},
    {1928, 1048, 8, 8, 1, 1},
    {1088, 1928, 4, 4, 1, 1},
    {1371, 829, 3, 5, 1, 2},
};

bool Overlap(const WindowRect& a, const WindowRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
         b.y < a.y + a.height;
}

int RightEdge(const WindowRect& r) { return r.x + r.width; }
int BottomEdge(const WindowRect& r) { return r.y + r.height; }

// Screen sizes from small to large, odd and even, landscape and portrait,
// with thin and thick frames.
std::vector<ScreenMetrics> ManyScreens() {
  std::vector<ScreenMetrics> screens(std::begin(kScreens), std::end(kScreens));
  for (int width = 640; width <= 2600; width += 139)
    for (int height = 480; height <= 2000; height += 127)
      screens.push_back({width, height, 2 + width % 7, 2 + height % 5, 1, 1});
  return screens;
}

class TileRectanglesTest : public testing::TestWithParam<int> {};

TEST_P(TileRectanglesTest, FillsTheFramedScreenRowByRowWithoutOverlap) {
  const int n = GetParam();
  for (const ScreenMetrics& screen : ManyScreens()) {
    SCOPED_TRACE(testing::Message() << screen.width << "x" << screen.height << " frame "
                                    << screen.frameX << "," << screen.frameY);
    const std::vector<WindowRect> places = TileRectangles(n, screen);
    ASSERT_EQ(places.size(), static_cast<std::size_t>(n));
    const int right = screen.width - 2 * screen.frameX;
    const int bottom = screen.height - 2 * screen.frameY;

    long long area = 0;
    std::vector<int> perRow{1};  // windows per row
    for (std::size_t i = 0; i < places.size(); ++i) {
      const WindowRect& r = places[i];
      SCOPED_TRACE(testing::Message() << "window " << i << " of " << n);
      ASSERT_GT(r.width, 0);
      ASSERT_GT(r.height, 0);
      ASSERT_TRUE(r.x >= 0 && r.y >= 0 && RightEdge(r) <= right && BottomEdge(r) <= bottom);
      for (std::size_t j = 0; j < i; ++j) ASSERT_FALSE(Overlap(r, places[j])) << "and " << j;
      area += static_cast<long long>(r.width) * r.height;
      // Left to right along a row, then the next row from the left edge.
      if (i == 0) continue;
      const WindowRect& before = places[i - 1];
      if (r.y == before.y) {
        EXPECT_EQ(r.x, RightEdge(before));
        EXPECT_EQ(r.height, before.height);
        ++perRow.back();
      } else {
        EXPECT_EQ(r.y, BottomEdge(before));
        EXPECT_EQ(RightEdge(before), right) << "a row ends at the frame";
        EXPECT_EQ(r.x, 0);
        // Rows share the height; the last one differs by the frame below
        // and what the division leaves over.
        EXPECT_LE(std::abs(r.height - places[0].height), std::max(2 * screen.frameY, n));
        perRow.push_back(1);
      }
    }
    // Non-overlapping places inside the area that add up to it cover it all.
    EXPECT_EQ(area, static_cast<long long>(right) * bottom);
    // As square a grid as the count allows; only the last row may be short.
    const int columns = perRow.front();
    EXPECT_TRUE(columns * columns >= n && (columns - 1) * (columns - 1) < n) << columns;
    for (std::size_t row = 0; row + 1 < perRow.size(); ++row) EXPECT_EQ(perRow[row], columns);
    EXPECT_LE(perRow.back(), columns);
  }
}

INSTANTIATE_TEST_SUITE_P(OneToTwelveWindows, TileRectanglesTest, testing::Range(1, 13));

TEST(TileRectangles, OneWindowTakesTheScreenInsideItsFrame) {
  const ScreenMetrics screen{1024, 768, 4, 4, 1, 1};
  ASSERT_EQ(TileRectangles(1, screen), (std::vector<WindowRect>{{0, 0, 1016, 760}}));
}

TEST(TileRectangles, FiveWindowsMakeThreeAboveTwo) {
  const ScreenMetrics screen{1024, 768, 4, 4, 1, 1};
  const int third = 1024 / 3;  // 341
  const int half = 1024 / 2;
  const std::vector<WindowRect> expected = {
      {0, 0, third, 384},
      {third, 0, third, 384},
      {2 * third, 0, 1024 - 8 - 2 * third, 384},
      {0, 384, half, 768 - 8 - 384},
      {half, 384, 1024 - 8 - half, 768 - 8 - 384},
  };
  EXPECT_EQ(TileRectangles(5, screen), expected);
}

TEST(TileRectangles, NoWindowsNoPlaces) {
  EXPECT_TRUE(TileRectangles(0, kScreens[0]).empty());
  EXPECT_TRUE(TileRectangles(-3, kScreens[0]).empty());
}

// ---- Explorer layouts -------------------------------------------------------------

TEST(ExplorerLayoutRectangles, DoubleLayoutsSplitTheScreenInTwo) {
  for (const ScreenMetrics& s : kScreens) {
    const int xf = s.frameX + s.borderX;
    const int yf = s.frameY + s.borderY;
    const auto above = ExplorerLayoutRectangles(ExplorerLayout::kOneAboveOther, 2, s);
    ASSERT_EQ(above.size(), 2u);
    EXPECT_EQ(above[0], (WindowRect{xf, yf, s.width - 4 * xf, s.height / 2 - 2 * yf}));
    EXPECT_EQ(above[1].x, above[0].x);
    EXPECT_EQ(above[1].y, s.height / 2 - yf);
    EXPECT_FALSE(Overlap(above[0], above[1]));

    const auto beside = ExplorerLayoutRectangles(ExplorerLayout::kSideBySide, 2, s);
    ASSERT_EQ(beside.size(), 2u);
    EXPECT_EQ(beside[0], (WindowRect{xf, yf, s.width / 2 - 2 * xf, s.height - 3 * yf}));
    EXPECT_EQ(beside[1].x, s.width / 2 - xf);
    EXPECT_EQ(beside[1].y, beside[0].y);
    EXPECT_FALSE(Overlap(beside[0], beside[1]));
  }
}

TEST(ExplorerLayoutRectangles, SquarePutsFourWindowsInQuarters) {
  for (const ScreenMetrics& s : kScreens) {
    const auto square = ExplorerLayoutRectangles(ExplorerLayout::kSquare, 4, s);
    ASSERT_EQ(square.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(square[i].width, square[0].width);
      EXPECT_EQ(square[i].height, square[0].height);
      for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(square[i], square[j]));
    }
    EXPECT_EQ(square[0].y, square[1].y);  // E0 E1 on top
    EXPECT_LT(square[0].x, square[1].x);
    EXPECT_EQ(square[2].y, square[3].y);  // E2 E3 below
    EXPECT_GT(square[2].y, square[0].y);
    EXPECT_EQ(square[2].x, square[0].x);
  }
}

TEST(ExplorerLayoutRectangles, FewerWindowsFillFewerPlaces) {
  const ScreenMetrics& s = kScreens[1];
  const auto two = ExplorerLayoutRectangles(ExplorerLayout::kOneAboveOther, 2, s);
  const auto one = ExplorerLayoutRectangles(ExplorerLayout::kOneAboveOther, 1, s);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0], two[0]);
  EXPECT_TRUE(ExplorerLayoutRectangles(ExplorerLayout::kSideBySide, 0, s).empty());
  // More windows than places: the extra ones stay where they are.
  EXPECT_EQ(ExplorerLayoutRectangles(ExplorerLayout::kSideBySide, 10, s).size(), 2u);
  EXPECT_EQ(ExplorerLayoutRectangles(ExplorerLayout::kSquare, 10, s).size(), 4u);
  // The square needs three windows; with three the fourth place stays empty.
  EXPECT_TRUE(ExplorerLayoutRectangles(ExplorerLayout::kSquare, 2, s).empty());
  EXPECT_EQ(ExplorerLayoutRectangles(ExplorerLayout::kSquare, 3, s).size(), 3u);
}

}  // namespace
