#pragma once
// The geometry of the owner-drawn pouch menu, free of the platform: its
// rectangles, the metrics the settings decide, the state one menu's
// measuring grows, the measuring rules, an item's text cut into label and
// key, and the cells each part of an item is painted in.
#include <cstddef>
#include <cstdint>
#include <string>

// --- rectangles -------------------------------------------------------------

// Rectangles and points of the pouch menu, in the platform's convention:
// right and bottom lie just outside.
struct MenuRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
};

inline bool operator==(const MenuRect& a, const MenuRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct MenuPoint {
  int x = 0;
  int y = 0;
};

// --- metrics and measuring --------------------------------------------------

// Sizes of the owner-drawn pouch menu: the metrics that the settings decide,
// the state that grows while one menu is measured, and the measuring rules.

// The three look switches of the settings record, as flags.
struct MenuLook {
  bool icons = true;
  bool logo = true;
  bool largeIcons = true;
};

// Pixels at 96 dpi until scaled.
struct MenuMetrics {
  int LogoBandWidth = 25;
  int MenuItemHeight = 31;
  int SubmenuItemHeight = 20;
  int DriveBarWidth = 100;
  int SeparatorHeight = 6;
  int MenuMargin = 2;
  int DriveBarInset = 3;  // above and below the bar
};

// The metrics after the settings are applied; `textHeight` is the height of
// "fg" in the menu font at 96 dpi. Large icons keep the submenu height it
// had.
MenuMetrics ApplyMenuLook(const MenuMetrics& previous, const MenuLook& look, int textHeight);

// Every figure of `metrics` at `dpi`.
MenuMetrics ScaleMenuMetrics(const MenuMetrics& metrics, int dpi);

// What one menu's measuring has found; reset before the menu is tracked.
struct MenuMeasureState {
  int KeyWidthDrives = 0;  // widest shortcut-key text of a drive item
  int KeyWidthOther = 0;   // and of any other item
  int DriveBarLeft = 0;    // where every drive bar starts, from the item's left edge
  bool LogoDrawn = false;  // the root menu's band is finished

  void Reset() { *this = MenuMeasureState(); }
};

enum class MenuItemPlace { kRoot, kSubmenu, kSeparator };

struct MenuItemSize {
  int width = 0;
  int height = 0;
};

// The item's size from its text width; root items are capped at
// `halfScreenWidth` so that one long title cannot make the menu wider than
// half the screen.
MenuItemSize MeasureMenuItemSize(const MenuMetrics& metrics, const MenuLook& look,
                                 MenuItemPlace place, int textWidth, int halfScreenWidth);

// Widens the key column of the item's group to its key text.
void NoteKeyWidth(MenuMeasureState& state, bool driveItem, int keyWidth);

// Moves the drive bars right of a drive's label (its text before the key,
// without trailing blanks), never beyond half the screen.
void NoteDriveLabelWidth(MenuMeasureState& state, const MenuMetrics& metrics, const MenuLook& look,
                         int labelWidth, int halfScreenWidth);

// --- item texts -------------------------------------------------------------

// An item text is a label, optionally followed by a tab and the text of the
// shortcut key that does the same; drive labels are padded with blanks.

struct ItemTextParts {
  std::string label;  // before the last tab; the whole text without one
  std::string key;    // after the last tab
  bool hasKey = false;
};

ItemTextParts SplitAtLastTab(const std::string& text);

std::string WithoutTrailingBlanks(const std::string& text);

// How many bytes of `text` fit in `capacity` bytes without splitting a
// double-byte character: a lead byte (as the code page tells) takes its
// trail byte with it or stays out.
std::size_t CutLength(const std::string& text, std::size_t capacity,
                      bool (*isLeadByte)(unsigned char));

// --- cells ------------------------------------------------------------------

// Where each part of an owner-drawn pouch-menu item is painted, from the
// item's rectangle and the menu metrics.

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
// text of the item's group, so that the group's keys line up, and clear of
// the item's right edge by two margins.
MenuRect KeyColumn(const MenuRect& textBox, const MenuMetrics& metrics, int keyColumnWidth);

// A drive's bar: its frame and the grey part inside it that shows the free
// share. No bar when the free space or the size is unknown.
struct DriveBar {
  bool shown = false;
  MenuRect frame;
  MenuRect free;
};

DriveBar DriveBarFor(const MenuRect& item, const MenuMetrics& metrics, int driveBarLeft,
                     int32_t freeMB, int32_t totalMB);
