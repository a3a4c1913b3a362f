#pragma once
// Placing and tracking a popup menu of ours: where the shell says the
// taskbar is, where the cursor is, and the care a menu of a program in the
// background needs.
#include <windows.h>

#include "menu/MenuPlacement.h"

// The placement for a menu opened from launch surface `surface`; x and y
// are the point the surface gave (a desktop-edge click).
MenuPlacement PlaceMenuNow(int surface, int x, int y);

// Places `menu` for the surface and tracks it for `owner`, which is brought
// to the foreground first, so that a click elsewhere or Escape closes the
// menu. The chosen command, 0 for none.
UINT TrackMenuFromSurface(HMENU menu, int surface, int x, int y, HWND owner);
