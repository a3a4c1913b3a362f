#pragma once
// Measuring and painting the owner-drawn items of the pouch menu, the menu
// metrics that the settings decide, and the font the menu draws with.
#include <windows.h>

#include "menu/MenuMetrics.h"

// Where the menu finds the main window's icons, which the window loads once.
using MenuIconSource = HICON (*)(UINT resourceId, bool large);
void SetMenuIconSource(MenuIconSource source);

// Recomputes the metrics from the settings record; part of applying the
// settings.
void UpdateMenuMetrics();
const MenuMetrics& CurrentMenuMetrics();
MenuLook CurrentMenuLook();

// Clears what one menu's measuring found and frees the font it measured
// with; before each menu is tracked and after it is torn down.
void ResetMenuDrawState();

// The menu's font, as captured from the first item drawn; null before. The
// caller owns the font.
HFONT CreateMenuFont();
// Forgets the captured font description, at shutdown.
void FreeMenuFont();

// WM_MEASUREITEM and WM_DRAWITEM of the menu's items.
void MeasureMenuItem(MEASUREITEMSTRUCT& request);
void DrawMenuItem(const DRAWITEMSTRUCT& request);

// Copies the whole bitmap so that its lower edge meets `bandHeight`.
void DrawLogoBitmap(HDC dc, int x, int bandHeight, HBITMAP bitmap);
// The small icon of window kind i - 1 for i from 1 to 5; null otherwise.
HICON KindIconForIndex(int i);
