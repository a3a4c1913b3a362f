#pragma once
// The sections of the pouch menu: the Desktop Icons, Function Command,
// Close and Minimize submenus with their root entries, the drives, and one
// root item per pouch window. Every item is owner-drawn and carries a
// record of the opening's MenuItemList.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "menu/MenuItemData.h"
#include "windows/WindowLists.h"

using KindCounts = std::array<std::size_t, kWindowKindCount>;
KindCounts CountKinds(const PouchLists& lists);

// A root separator, unless the root is still empty.
void AppendSectionSeparator(MenuItemList& items, HMENU root);

// Appends to the root the entry `id` named by string `nameId` that opens
// `submenu`; on failure destroys the submenu, which then belongs to nobody.
// Either way the submenu must not be destroyed on its own afterwards.
bool AppendSubmenuEntry(MenuItemList& items, HMENU root, HMENU submenu, int32_t id,
                        UINT nameId);

// Fills `submenu` with the eight action rows of the function table from
// index 9 on, each with its shortcut key text after a tab.
void FillFunctionSubmenu(MenuItemList& items, HMENU submenu);

// What a Close or Minimize submenu lists: one item per kind that has
// windows (`firstKindId` + kind), a plain separator, then the item for every
// kind, named by string `allNameId` and followed by the key text of function
// command `allFunction`.
struct KindSubmenu {
  int32_t firstKindId;
  int32_t allId;
  UINT allNameId;
  int allFunction;
};
void FillKindSubmenu(MenuItemList& items, HMENU submenu, const KindCounts& counts,
                     const KindSubmenu& kinds);

// One kind's windows with their titles, as the menu lists them.
struct KindTitles {
  std::vector<std::string> titles;
  std::vector<HWND> windows;
};

// Appends one root item per window of `kind`, identifiers counting on from
// `listed` (windows beyond the range are left out).
void AppendPouchWindowItems(MenuItemList& items, HMENU root, int kind,
                            const KindTitles& kindTitles, int32_t& listed);

// --- drives -----------------------------------------------------------------

// The drive items of the pouch menu: each drive with its free space as text
// and in megabyte units (1 GB counts 1000) for the free-space bar.



// The display text ("1.50 GB free", "8.60GB free") and the amount of a
// drive root such as "C:\": its free space, or its size when sizeWanted is
// 1. False when nothing could be read; the amount is then left alone if the
// system has no GetDiskFreeSpaceExA, else 0.
bool FormatDriveSpace(const char* root, std::string& text, int32_t& amount, int sizeWanted);

// Finds the shortcut-key text of a folder path (the shortcut keys'
// FindFolderHotKeyText); the menu is given it, as it sits beside the keys.
using FolderKeyTextFinder = bool (*)(const std::string& path, std::string& text);

// Appends the owner-drawn item of a drive to the root menu, its record to
// `items`. The blanks after the free space reserve room for a bar of
// driveBarWidth pixels, measured in `font` (null: the screen's default).
bool AppendDriveItem(MenuItemList& items, HMENU root, char letter, HFONT font, int driveBarWidth,
                     FolderKeyTextFinder findKeyText);

// --- the desktop ------------------------------------------------------------

// The Desktop Icons submenu of the pouch menu.


// Fills the submenu: "Desktop Folder", the shell's My Computer, Network
// Neighborhood and Recycle Bin, then the entries of the desktop folder
// (DesktopFolderPath) in the order the file system gives them, at most 95,
// shortcuts resolved to their targets. Every item is owner-drawn and its
// record goes to `items`. COM must be initialised.
void FillDesktopSubmenu(MenuItemList& items, HMENU menu);
