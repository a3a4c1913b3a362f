#pragma once
// The tray icon's own small menu, opened by its right button.
#include <windows.h>

// Tracks the menu against the taskbar, owned by `owner`; the chosen
// command, 0 when the user chose nothing.
UINT RunTrayMenu(HWND owner);
