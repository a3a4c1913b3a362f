#pragma once
// What the main window makes of the messages that outside programs post.
#include <cstdint>

#include "menu/LaunchSurface.h"

struct SettingsRecord;

// The launch-surface code of the pouch menu that a "StowpouchMsg" asks
// for, or 0 when the message asks for nothing (an unknown code, or a
// desktop edge that the settings switch off).
int PouchSurfaceForMessage(uintptr_t wParam, const SettingsRecord& settings);

struct ScreenPoint {
  int x;
  int y;
};

// The click point that a desktop-edge message carries: x in the low and y
// in the high 16 bits, each signed, since a monitor left of or above the
// primary one has negative coordinates.
ScreenPoint EdgeClickPoint(intptr_t lParam);

enum class SystemHotKeyAction { kNone, kMinimizePouch, kRestorePouch };

// Windows key + M minimises the pouch windows, Windows key + Shift + M
// brings them back; lParam carries the modifiers low and the key high.
SystemHotKeyAction SystemHotKeyActionFor(intptr_t lParam);
