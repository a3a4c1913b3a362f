#include "menu/MenuLayout.h"

#include <gtest/gtest.h>


namespace {

// "fg" 22 high: a text row of 26, above the floor of 20. Half screen 300.
struct LookCase {
  MenuLook look;
  int rootWidth, submenuWidth;  // texts 100 and 1000
  int itemHeight, submenuHeight, barWidth;
  int driveBarLeft;  // label 40
};

const LookCase kLooks[] = {
    {{true, true, true}, 160, 1020, 31, 20, 100, 104},   {{true, true, false}, 155, 1026, 26, 26, 50, 99},
    {{true, false, true}, 133, 1020, 31, 20, 100, 79},   {{true, false, false}, 128, 1026, 26, 26, 50, 74},
    {{false, true, true}, 127, 1000, 31, 20, 100, 73},   {{false, true, false}, 127, 1000, 26, 26, 50, 73},
    {{false, false, true}, 100, 1000, 31, 20, 100, 48},  {{false, false, false}, 100, 1000, 26, 26, 50, 48},
};

TEST(MenuMeasuring, SizesForEachLook) {
  for (const LookCase& c : kLooks) {
    SCOPED_TRACE(testing::Message() << "icons, logo, large: " << c.look.icons << c.look.logo
                                    << c.look.largeIcons);
    const MenuMetrics m = ApplyMenuLook(MenuMetrics(), c.look, 22);
    EXPECT_EQ(m.DriveBarWidth, c.barWidth);
    const MenuItemSize root = MeasureMenuItemSize(m, c.look, MenuItemPlace::kRoot, 100, 300);
    EXPECT_TRUE(root.width == c.rootWidth && root.height == c.itemHeight) << root.width;
    const MenuItemSize sub = MeasureMenuItemSize(m, c.look, MenuItemPlace::kSubmenu, 1000, 300);
    EXPECT_TRUE(sub.width == c.submenuWidth && sub.height == c.submenuHeight) << sub.width;
    const MenuItemSize separator = MeasureMenuItemSize(m, c.look, MenuItemPlace::kSeparator, 0, 300);
    EXPECT_EQ(separator.height, 6);
    const int fills = 300 - c.rootWidth + 100;  // the text that fills half the screen
    EXPECT_EQ(MeasureMenuItemSize(m, c.look, MenuItemPlace::kRoot, fills - 1, 300).width, 299);
    EXPECT_EQ(MeasureMenuItemSize(m, c.look, MenuItemPlace::kRoot, fills + 1, 300).width, 300);
    MenuMeasureState state;
    NoteDriveLabelWidth(state, m, c.look, 40, 300);
    EXPECT_EQ(state.DriveBarLeft, c.driveBarLeft);
  }
}

TEST(MenuMetrics, InitialValuesTextRowFloorAndSubmenuHeightKeptByLargeIcons) {
  const MenuMetrics m;
  EXPECT_TRUE(m.LogoBandWidth == 25 && m.MenuItemHeight == 31 && m.SubmenuItemHeight == 20 &&
              m.DriveBarWidth == 100 && m.SeparatorHeight == 6 && m.MenuMargin == 2);
  EXPECT_EQ(ApplyMenuLook(m, {true, true, false}, 10).SubmenuItemHeight, 20);
  const MenuMetrics small = ApplyMenuLook(m, {true, true, false}, 30);
  EXPECT_EQ(ApplyMenuLook(small, {true, true, true}, 30).SubmenuItemHeight, 34);
}

TEST(MenuMeasureState, DriveBarLeftAndKeyWidthsOnlyGrowUntilReset) {
  const MenuLook plain{false, false, false};
  const MenuMetrics m = ApplyMenuLook(MenuMetrics(), plain, 22);
  MenuMeasureState state;
  const int labels[] = {50, 20, 91, 92, 10};
  const int expected[] = {58, 58, 99, 100, 100};  // label + 4 margins, half screen 100
  for (int k = 0; k < 5; ++k) {
    NoteDriveLabelWidth(state, m, plain, labels[k], 100);
    EXPECT_EQ(state.DriveBarLeft, expected[k]) << "after label " << labels[k];
  }
  for (int width : {30, 20}) NoteKeyWidth(state, true, width);
  NoteKeyWidth(state, false, 12);
  EXPECT_TRUE(state.KeyWidthDrives == 30 && state.KeyWidthOther == 12);
  state.LogoDrawn = true;
  state.Reset();
  EXPECT_TRUE(state.KeyWidthDrives == 0 && state.KeyWidthOther == 0 && state.DriveBarLeft == 0 &&
              !state.LogoDrawn);
}

TEST(MenuItemText, LabelAndKeyAtTheLastTabAndTrailingBlanks) {
  const ItemTextParts keyed = SplitAtLastTab("a\tb\tWin+Q");
  EXPECT_TRUE(keyed.label == "a\tb" && keyed.key == "Win+Q" && keyed.hasKey);
  EXPECT_FALSE(SplitAtLastTab("C:\\Work").hasKey);
  EXPECT_EQ(SplitAtLastTab("C:\\Work").label, "C:\\Work");
  EXPECT_EQ(WithoutTrailingBlanks("C: [3 GB]   "), "C: [3 GB]");
  EXPECT_EQ(WithoutTrailingBlanks("   "), "");
}

// Lead bytes as in the Japanese code page.
bool ShiftJisLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

TEST(MenuItemText, ACutNeverSplitsADoubleByteCharacter) {
  const std::string kanji = "\x93\xFA";  // one character, two bytes
  EXPECT_EQ(CutLength("ab" + kanji, 3, ShiftJisLead), 2u);
  EXPECT_EQ(CutLength("ab" + kanji, 4, ShiftJisLead), 4u);
  // A trail byte may look like a lead byte; it is never taken for one.
  EXPECT_EQ(CutLength("\x93\x93" + kanji, 3, ShiftJisLead), 2u);
  EXPECT_EQ(CutLength(kanji + kanji + "c", 5, ShiftJisLead), 5u);
  EXPECT_EQ(CutLength("a\x93\x81\x93", 3, ShiftJisLead), 3u);
  // A lead byte with nothing after it counts alone; short texts stay whole.
  EXPECT_EQ(CutLength("ab\x93", 3, ShiftJisLead), 3u);
  EXPECT_EQ(CutLength("abc", 259, ShiftJisLead), 3u);
  EXPECT_EQ(CutLength(std::string(300, 'x'), 259, ShiftJisLead), 259u);
}

}  // namespace
