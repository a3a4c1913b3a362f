#pragma once
// The taskbar filter's class list and switches: rebuilt from the settings
// key on each reload, asked about every window the taskbar gives a button.
// A reload builds the new list whole before it takes the old one's place, so
// an insertion on another thread reads one or the other, never a freed one.
#include <windows.h>

// Rebuilds the list from the settings key. Returns 1, or 0 when the key
// cannot be opened or memory is short: there is then no list, so nothing is
// filtered, and the switches keep their values.
int ReloadFilterClassList();

// 1 when the button of `window`, whose class is `className`, must stay off
// the taskbar, else 0.
int IsFilteredWindow(HWND window, const char* className);

// Frees the list when the library leaves the process.
void FreeFilterClassList();
