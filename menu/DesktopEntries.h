#pragma once
// The Desktop Icons submenu of the pouch menu.
#include <windows.h>

// Builds the submenu: "Desktop Folder", the shell's My Computer, Network
// Neighborhood and Recycle Bin, then the entries of the desktop folder
// (DesktopFolderPath) in the order the file system gives them, at most 95,
// shortcuts resolved to their targets. Every item is owner-drawn and its
// record goes to MenuItemList. The caller owns the submenu until it attaches
// it to a menu. COM must be initialised.
HMENU BuildDesktopSubmenu();
