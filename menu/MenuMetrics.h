#pragma once
// Sizes of the owner-drawn pouch menu: the metrics that the settings decide,
// the state that grows while one menu is measured, and the measuring rules.

// The three look switches of the settings record, as flags.
struct MenuLook {
  bool icons = true;
  bool logo = true;
  bool largeIcons = true;
};

// Pixels.
struct MenuMetrics {
  int LogoBandWidth = 25;
  int MenuItemHeight = 31;
  int SubmenuItemHeight = 20;
  int DriveBarWidth = 100;
  int SeparatorHeight = 6;
  int MenuMargin = 2;
};

// The metrics after the settings are applied; `textHeight` is the height of
// "fg" in the menu font. Large icons keep the submenu height it had.
MenuMetrics ApplyMenuLook(const MenuMetrics& previous, const MenuLook& look, int textHeight);

// What one menu's measuring has found; reset before the menu is tracked.
struct MenuMeasureState {
  int KeyWidthDrives = 0;  // widest shortcut-key text of a drive item
  int KeyWidthOther = 0;   // and of any other item
  int DriveBarLeft = 0;    // where every drive bar starts
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
