#include "menu/MenuLayout.h"

#include <algorithm>

#include "common/DpiScale.h"

MenuMetrics ApplyMenuLook(const MenuMetrics& previous, const MenuLook& look, int textHeight) {
  MenuMetrics metrics = previous;
  const int textRowHeight = std::max(textHeight + 4, 20);
  metrics.LogoBandWidth = look.logo ? 25 : 0;
  metrics.MenuItemHeight = look.largeIcons ? 31 : textRowHeight;
  if (!look.largeIcons) metrics.SubmenuItemHeight = textRowHeight;
  metrics.DriveBarWidth = look.largeIcons ? 100 : 50;
  return metrics;
}

MenuMetrics ScaleMenuMetrics(const MenuMetrics& metrics, int dpi) {
  MenuMetrics scaled;
  scaled.LogoBandWidth = ScaleForDpi(metrics.LogoBandWidth, dpi);
  scaled.MenuItemHeight = ScaleForDpi(metrics.MenuItemHeight, dpi);
  scaled.SubmenuItemHeight = ScaleForDpi(metrics.SubmenuItemHeight, dpi);
  scaled.DriveBarWidth = ScaleForDpi(metrics.DriveBarWidth, dpi);
  scaled.SeparatorHeight = ScaleForDpi(metrics.SeparatorHeight, dpi);
  scaled.MenuMargin = ScaleForDpi(metrics.MenuMargin, dpi);
  scaled.DriveBarInset = ScaleForDpi(metrics.DriveBarInset, dpi);
  return scaled;
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

ItemTextParts SplitAtLastTab(const std::string& text) {
  const std::string::size_type tab = text.rfind('\t');
  if (tab == std::string::npos) return {text, std::string(), false};
  return {text.substr(0, tab), text.substr(tab + 1), true};
}

std::string WithoutTrailingBlanks(const std::string& text) {
  const std::string::size_type last = text.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::size_t CutLength(const std::string& text, std::size_t capacity,
                      bool (*isLeadByte)(unsigned char)) {
  std::size_t length = 0;
  while (length < text.size()) {
    const bool pair =
        isLeadByte(static_cast<unsigned char>(text[length])) && length + 1 < text.size();
    const std::size_t next = length + (pair ? 2 : 1);
    if (next > capacity) break;
    length = next;
  }
  return length;
}

MenuItemCells ItemCells(const MenuRect& item, const MenuMetrics& metrics, const MenuLook& look,
                        bool submenuItem) {
  MenuItemCells cells;
  cells.logo = item;
  cells.logo.right = item.left + (submenuItem ? 0 : metrics.LogoBandWidth);

  cells.icon = item;
  cells.icon.left = cells.logo.right + metrics.MenuMargin;
  const int iconWidth = submenuItem ? metrics.SubmenuItemHeight : metrics.MenuItemHeight;
  cells.icon.right = cells.icon.left + (look.icons ? iconWidth : 0);

  cells.text = item;
  cells.text.left = cells.icon.right + 2 * metrics.MenuMargin;

  cells.background = item;
  cells.background.left += (submenuItem ? 0 : metrics.LogoBandWidth) + metrics.MenuMargin;
  return cells;
}

MenuRect SeparatorEdge(const MenuRect& item, const MenuMetrics& metrics) {
  return {item.left + metrics.LogoBandWidth + metrics.MenuMargin, item.top + 1, item.right,
          item.top + 1 + metrics.MenuMargin};
}

MenuRect CentredTextBox(const MenuRect& textBox, const MenuRect& item, int textHeight) {
  MenuRect box = textBox;
  box.top = std::max(item.top + (item.Height() - textHeight) / 2, item.top);
  return box;
}

MenuRect KeyColumn(const MenuRect& textBox, const MenuMetrics& metrics, int keyColumnWidth) {
  MenuRect column = textBox;
  column.left = textBox.right - keyColumnWidth - 2 * metrics.MenuMargin;
  return column;
}

DriveBar DriveBarFor(const MenuRect& item, const MenuMetrics& metrics, int driveBarLeft,
                     int32_t freeMB, int32_t totalMB) {
  DriveBar bar;
  if (freeMB == -1 || totalMB == 0) return bar;
  bar.shown = true;
  bar.frame = {driveBarLeft, item.top + metrics.DriveBarInset, driveBarLeft + metrics.DriveBarWidth,
               item.bottom - metrics.DriveBarInset};
  // Sizes reach millions of MB units; their product with the width does not
  // fit 32 bits.
  const int64_t share = int64_t{freeMB} * metrics.DriveBarWidth / totalMB;
  const int64_t grey = std::clamp<int64_t>(share, 0, metrics.DriveBarWidth);
  bar.free = bar.frame;
  bar.free.right = driveBarLeft + static_cast<int>(grey);
  return bar;
}
