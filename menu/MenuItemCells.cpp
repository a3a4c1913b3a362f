#include "menu/MenuItemCells.h"

#include <algorithm>

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

MenuRect KeyColumn(const MenuRect& textBox, int keyColumnWidth) {
  MenuRect column = textBox;
  column.left = textBox.right - keyColumnWidth - 4;
  return column;
}

DriveBar DriveBarFor(const MenuRect& item, const MenuMetrics& metrics, int driveBarLeft,
                     int32_t freeMB, int32_t totalMB) {
  DriveBar bar;
  if (freeMB == -1 || totalMB == 0) return bar;
  bar.shown = true;
  bar.frame = {driveBarLeft, item.top + 3, driveBarLeft + metrics.DriveBarWidth, item.bottom - 3};
  // Sizes reach millions of MB units; their product with the width does not
  // fit 32 bits.
  const int64_t share = int64_t{freeMB} * metrics.DriveBarWidth / totalMB;
  const int64_t grey = std::clamp<int64_t>(share, 0, metrics.DriveBarWidth);
  bar.free = bar.frame;
  bar.free.right = driveBarLeft + static_cast<int>(grey);
  return bar;
}
