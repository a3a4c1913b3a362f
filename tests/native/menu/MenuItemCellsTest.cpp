#include "menu/MenuLayout.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& out, const MenuRect& r) {
  return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// Items do not start at 0, so that a cell measured from the wrong edge shows.
constexpr MenuRect kRootItem{5, 100, 305, 131};
const MenuMetrics kLarge = ApplyMenuLook(MenuMetrics(), {true, true, true}, 14);
const MenuMetrics kNoLogo = ApplyMenuLook(MenuMetrics(), {true, false, true}, 14);

TEST(ItemCells, LogoIconTextAndBackgroundCells) {
  struct {
    const char* name;
    MenuMetrics metrics;
    bool icons, submenu;
    int logoRight, iconLeft, iconRight, textLeft, backgroundLeft;
  } const cases[] = {
      {"root", kLarge, true, false, 30, 32, 63, 67, 32},
      {"submenu", kLarge, true, true, 5, 7, 27, 31, 7},
      {"icons off", kLarge, false, false, 30, 32, 32, 36, 32},
      {"logo off", kNoLogo, true, false, 5, 7, 38, 42, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MenuItemCells cells = ItemCells(kRootItem, c.metrics, {c.icons, true, true}, c.submenu);
    EXPECT_EQ(cells.logo, (MenuRect{5, 100, c.logoRight, 131}));
    EXPECT_EQ(cells.icon, (MenuRect{c.iconLeft, 100, c.iconRight, 131}));
    EXPECT_EQ(cells.text, (MenuRect{c.textLeft, 100, 305, 131}));
    EXPECT_EQ(cells.background, (MenuRect{c.backgroundLeft, 100, 305, 131}));
  }
}

TEST(ItemCells, SeparatorTextCentringAndKeyColumn) {
  EXPECT_EQ(SeparatorEdge({5, 100, 305, 106}, kLarge), (MenuRect{32, 101, 305, 103}));
  EXPECT_EQ(SeparatorEdge({5, 100, 305, 106}, kNoLogo), (MenuRect{7, 101, 305, 103}));
  const MenuRect text{67, 100, 305, 131};
  EXPECT_EQ(CentredTextBox(text, kRootItem, 16), (MenuRect{67, 107, 305, 131}));
  EXPECT_EQ(CentredTextBox(text, kRootItem, 40).top, 100);  // taller than the item
  EXPECT_EQ(KeyColumn(text, kLarge, 40), (MenuRect{261, 100, 305, 131}));
}

TEST(DriveBarFor, FrameAndFreeShareWithinTheBar) {
  struct {
    const char* name;
    int barWidth;
    int32_t freeMB, totalMB;
    int greyRight;  // the bar starts at 150
  } const cases[] = {
      {"1 GB of 4 GB", 100, 1000, 4000, 175},
      {"1 GB of 4 GB, small icons", 50, 1000, 4000, 162},
      {"product beyond 32 bits", 100, 2000000000, 2100000000, 245},
      {"largest sizes", 50, INT32_MAX, INT32_MAX, 200},
      {"free above total, small icons", 50, 5000, 4000, 200},
      {"negative free", 100, -5, 4000, 150},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MenuMetrics m = kLarge;
    m.DriveBarWidth = c.barWidth;
    const DriveBar bar = DriveBarFor(kRootItem, m, 150, c.freeMB, c.totalMB);
    ASSERT_TRUE(bar.shown);
    EXPECT_EQ(bar.frame, (MenuRect{150, 103, 150 + c.barWidth, 128}));
    EXPECT_EQ(bar.free, (MenuRect{150, 103, c.greyRight, 128}));
  }
  EXPECT_FALSE(DriveBarFor(kRootItem, kLarge, 150, -1, 4000).shown);
  EXPECT_FALSE(DriveBarFor(kRootItem, kLarge, 150, 1000, 0).shown);
}

}  // namespace
