#include "common/DpiScale.h"

#include <gtest/gtest.h>

#include "app/MainWindowLayout.h"
#include "menu/MenuLayout.h"

namespace {

TEST(ScaleForDpi, RoundsHalvesAwayFromZeroAsMulDivDoes) {
  struct {
    int value, dpi, scaled;
  } const cases[] = {
      {436, 96, 436},  {436, 120, 545}, {436, 144, 654}, {436, 192, 872},
      {25, 120, 31},   {25, 144, 38},   {31, 144, 47},   {3, 120, 4},  // 3.75, 37.5, 46.5, 3.75
      {2, 120, 3},     {1, 144, 2},     {6, 120, 8},     {-25, 144, -38},
      {0, 144, 0},     {7, 0, 7},       {7, -96, 7},  // no DPI: the design one
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
  // No overflow on the way through the product.
  EXPECT_EQ(ScaleForDpi(1 << 24, 192), 1 << 25);
}

TEST(MainWindowLayout, ScaledFromThe96DpiFiguresWithTheButtonsInOrder) {
  const MainWindowLayout design = MainWindowLayoutFor(96);
  const MainWindowLayout at144 = MainWindowLayoutFor(144);
  EXPECT_TRUE(design.width == 436 && design.height == 266 && at144.width == 654 &&
              at144.height == 399);
  EXPECT_TRUE(at144.picture.x == 21 && at144.picture.y == 20 && at144.picture.width == 423 &&
              at144.picture.height == 267);
  for (std::size_t i = 0; i < design.buttons.size(); ++i)
    EXPECT_TRUE(at144.buttons[i].id == design.buttons[i].id &&
                at144.buttons[i].x == ScaleForDpi(design.buttons[i].x, 144));
  // At 125 % the picture still ends left of the column of buttons.
  const MainWindowLayout at120 = MainWindowLayoutFor(120);
  EXPECT_LT(at120.picture.x + at120.picture.width, at120.buttons[0].x);
}

TEST(ScaleMenuMetrics, EveryFigureOfTheLookScaled) {
  const MenuMetrics large = ApplyMenuLook(MenuMetrics(), {true, true, true}, 13);
  const MenuMetrics at144 = ScaleMenuMetrics(large, 144);
  EXPECT_TRUE(at144.LogoBandWidth == 38 && at144.MenuItemHeight == 47 &&
              at144.SubmenuItemHeight == 30 && at144.DriveBarWidth == 150 &&
              at144.SeparatorHeight == 9 && at144.MenuMargin == 3 && at144.DriveBarInset == 5);
  const MenuMetrics small = ScaleMenuMetrics(ApplyMenuLook(large, {true, false, false}, 13), 192);
  EXPECT_TRUE(small.LogoBandWidth == 0 && small.MenuItemHeight == 40 &&
              small.DriveBarWidth == 100);
  const MenuMetrics at96 = ScaleMenuMetrics(large, 96);
  EXPECT_TRUE(at96.MenuItemHeight == 31 && at96.MenuMargin == 2 && at96.DriveBarInset == 3);
}

}  // namespace
