#pragma once
// The notification-area icon through which a hidden Stowpouch is reached.
#include <windows.h>

constexpr UINT kTrayIconId = 128;
// The main window receives the icon's mouse messages as this message, the
// mouse message in lParam.
constexpr UINT kTrayCallbackMessage = 0x57B;

// Adds the icon with the program's tip; false when the shell refused it
// (also when the icon is there already).
bool AddTrayIcon(HWND owner, HICON icon);
// False when there was no icon to delete.
bool DeleteTrayIcon(HWND owner);
