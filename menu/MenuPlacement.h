#pragma once
// Where the pouch menu opens: against the taskbar for the tray icon and the
// Quick Launch shortcut, at the cursor for the hotkey, at the click for the
// desktop edges.
#include "menu/MenuLayout.h"

enum class TaskbarEdge { kLeft, kTop, kRight, kBottom, kUnknown };

// The edge an application-bar query reports (0 left, 1 top, 2 right,
// 3 bottom); unknown when the taskbar rectangle came back empty.
TaskbarEdge TaskbarEdgeFrom(unsigned appBarEdge, const MenuRect& taskbar);

enum class MenuHorizontalAlign { kLeft, kCentre, kRight };
enum class MenuVerticalAlign { kTop, kBottom };

// The point and which of the menu's edges (or its middle) meets it.
struct MenuPlacement {
  MenuPoint point;
  MenuHorizontalAlign horizontal = MenuHorizontalAlign::kLeft;
  MenuVerticalAlign vertical = MenuVerticalAlign::kTop;
};

// Whether a menu opened from `surface` is placed against the taskbar; the
// others need not ask the shell where it is.
bool PlacesAgainstTaskbar(int surface);

// `surface` is the launch-surface code, `given` the point the caller passed
// (the desktop-edge click).
MenuPlacement PlaceMenu(int surface, TaskbarEdge edge, const MenuRect& taskbar, MenuPoint cursor,
                        MenuPoint given);
