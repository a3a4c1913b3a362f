#pragma once
// The Desktop Icons submenu of the pouch menu.
#include <windows.h>

#include "menu/MenuItemData.h"

// Fills the submenu: "Desktop Folder", the shell's My Computer, Network
// Neighborhood and Recycle Bin, then the entries of the desktop folder
// (DesktopFolderPath) in the order the file system gives them, at most 95,
// shortcuts resolved to their targets. Every item is owner-drawn and its
// record goes to `items`. COM must be initialised.
void FillDesktopSubmenu(MenuItemList& items, HMENU menu);
