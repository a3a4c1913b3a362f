#include "menu/MenuMetrics.h"

#include <algorithm>

MenuMetrics ApplyMenuLook(const MenuMetrics& previous, const MenuLook& look, int textHeight) {
  MenuMetrics metrics = previous;
  const int textRowHeight = std::max(textHeight + 4, 20);
  metrics.LogoBandWidth = look.logo ? 25 : 0;
  metrics.MenuItemHeight = look.largeIcons ? 31 : textRowHeight;
  if (!look.largeIcons) metrics.SubmenuItemHeight = textRowHeight;
  metrics.DriveBarWidth = look.largeIcons ? 100 : 50;
  return metrics;
}

namespace {

int RootItemWidth(const MenuMetrics& m, const MenuLook& look, int textWidth) {
  if (look.icons && look.logo)
    return m.MenuItemHeight + 2 * m.MenuMargin + m.LogoBandWidth + textWidth;
  if (look.icons) return m.MenuMargin + m.MenuItemHeight + textWidth;
  if (look.logo) return m.MenuMargin + m.LogoBandWidth + textWidth;
  return textWidth;
}

}  // namespace

MenuItemSize MeasureMenuItemSize(const MenuMetrics& metrics, const MenuLook& look,
                                 MenuItemPlace place, int textWidth, int halfScreenWidth) {
  if (place == MenuItemPlace::kSubmenu)
    return {look.icons ? metrics.SubmenuItemHeight + textWidth : textWidth,
            metrics.SubmenuItemHeight};
  const int width = std::min(RootItemWidth(metrics, look, textWidth), halfScreenWidth);
  return {width, place == MenuItemPlace::kSeparator ? metrics.SeparatorHeight
                                                    : metrics.MenuItemHeight};
}

void NoteKeyWidth(MenuMeasureState& state, bool driveItem, int keyWidth) {
  int& widest = driveItem ? state.KeyWidthDrives : state.KeyWidthOther;
  widest = std::max(widest, keyWidth);
}

void NoteDriveLabelWidth(MenuMeasureState& state, const MenuMetrics& metrics, const MenuLook& look,
                         int labelWidth, int halfScreenWidth) {
  int barLeft = labelWidth + 4 * metrics.MenuMargin + metrics.LogoBandWidth;
  if (look.icons) barLeft += metrics.MenuItemHeight;
  if (std::max(barLeft, state.DriveBarLeft) >= halfScreenWidth)
    state.DriveBarLeft = halfScreenWidth;
  else
    state.DriveBarLeft = std::max(state.DriveBarLeft, barLeft);
}
