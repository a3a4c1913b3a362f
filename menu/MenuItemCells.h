#pragma once
// Where each part of an owner-drawn pouch-menu item is painted, from the
// item's rectangle and the menu metrics.
#include <cstdint>

#include "menu/MenuGeometry.h"
#include "menu/MenuMetrics.h"

struct MenuItemCells {
  MenuRect logo;        // the black band; empty inside submenus
  MenuRect icon;        // empty when icons are off
  MenuRect text;        // from beside the icon to the item's right edge
  MenuRect background;  // filled with the item's background colour
};

MenuItemCells ItemCells(const MenuRect& item, const MenuMetrics& metrics, const MenuLook& look,
                        bool submenuItem);

// The etched line of a separator, right of the logo band.
MenuRect SeparatorEdge(const MenuRect& item, const MenuMetrics& metrics);

// The text box moved down so that a text `textHeight` high sits in the
// middle of the item, never above the item's top.
MenuRect CentredTextBox(const MenuRect& textBox, const MenuRect& item, int textHeight);

// The right-hand column of the shortcut-key texts: as wide as the widest key
// text of the item's group, so that the group's keys line up.
MenuRect KeyColumn(const MenuRect& textBox, int keyColumnWidth);

// A drive's bar: its frame and the grey part inside it that shows the free
// share. No bar when the free space or the size is unknown.
struct DriveBar {
  bool shown = false;
  MenuRect frame;
  MenuRect free;
};

DriveBar DriveBarFor(const MenuRect& item, const MenuMetrics& metrics, int driveBarLeft,
                     int32_t freeMB, int32_t totalMB);
