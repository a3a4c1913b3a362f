#pragma once
// Placing a popup menu of ours now: where the shell says the taskbar is,
// and where the cursor is.
#include <windows.h>

#include "menu/MenuPlacement.h"

// The placement for a menu opened from launch surface `surface`; x and y
// are the point the surface gave (a desktop-edge click).
MenuPlacement PlaceMenuNow(int surface, int x, int y);

// TrackPopupMenu's alignment flags for the placement, with
// TPM_LEFTBUTTON | TPM_RETURNCMD.
UINT TrackFlagsFor(const MenuPlacement& placement);
