#pragma once
// The taskbar filter's class list and switches: rebuilt from the settings
// key on each reload, asked about every window the taskbar gives a button.
#include <windows.h>

// Empties the list and rebuilds it from the settings key. Returns 1, or 0
// when the key cannot be opened: the list then stays empty, so nothing is
// filtered, and the switches keep their values.
int ReloadFilterClassList();

// 1 when the button of `window`, whose class is `className`, must stay off
// the taskbar, else 0.
int IsFilteredWindow(HWND window, const char* className);

// Frees the list when the library leaves the process.
void FreeFilterClassList();
