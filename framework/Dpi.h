#pragma once
// The DPI a window or a point of the screen is shown at, and the system's
// figures at a DPI. The per-monitor functions are looked up when first used:
// a system without them has one DPI for everything, the system's, and gets
// the answers it always gave.
#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The DPI of the primary screen as a device context reports it.
int SystemDpi();
// The DPI `window` is laid out for.
int WindowDpi(HWND window);
// The DPI of the monitor that shows `point`.
int DpiAtPoint(POINT point);

// GetSystemMetrics at `dpi`; at the system DPI where the platform cannot
// tell another.
int SystemMetricForDpi(int index, int dpi);
// The font menus are drawn in at `dpi`.
bool MenuFontForDpi(int dpi, LOGFONTA& font);

// A copy of `source` stretched smoothly to `width` x `height`; null when it
// cannot be made. The caller owns it.
HBITMAP StretchedBitmap(HBITMAP source, int width, int height);
