#include "menu/MenuPlacement.h"

#include "menu/LaunchSurface.h"

namespace {

using H = MenuHorizontalAlign;
using V = MenuVerticalAlign;

// Beside the taskbar, level with the cursor along it. The Quick Launch
// shortcut sits within a horizontal taskbar, so its menu is centred on the
// cursor there.
MenuPlacement AgainstTaskbar(bool centreOnHorizontalBar, TaskbarEdge edge, const MenuRect& bar,
                             MenuPoint cursor) {
  const H along = centreOnHorizontalBar ? H::kCentre : H::kLeft;
  switch (edge) {
    case TaskbarEdge::kLeft: return {{bar.right, cursor.y}, H::kLeft, V::kTop};
    case TaskbarEdge::kTop: return {{cursor.x, bar.bottom}, along, V::kTop};
    case TaskbarEdge::kRight: return {{bar.left, cursor.y}, H::kRight, V::kTop};
    case TaskbarEdge::kBottom: return {{cursor.x, bar.top}, along, V::kBottom};
    case TaskbarEdge::kUnknown: break;
  }
  return {cursor, H::kLeft, V::kBottom};
}

}  // namespace

bool PlacesAgainstTaskbar(int surface) {
  return surface == kSurfaceTrayIcon || surface == kSurfaceQuickLaunch;
}

TaskbarEdge TaskbarEdgeFrom(unsigned appBarEdge, const MenuRect& taskbar) {
  if (taskbar.IsEmpty() || appBarEdge > 3) return TaskbarEdge::kUnknown;
  return static_cast<TaskbarEdge>(appBarEdge);
}

MenuPlacement PlaceMenu(int surface, TaskbarEdge edge, const MenuRect& taskbar, MenuPoint cursor,
                        MenuPoint given) {
  switch (surface) {
    case kSurfaceTrayIcon: return AgainstTaskbar(false, edge, taskbar, cursor);
    case kSurfaceQuickLaunch: return AgainstTaskbar(true, edge, taskbar, cursor);
    case kSurfaceMenuHotKey: return {cursor, H::kLeft, V::kTop};
    case kSurfaceEdgeLeft: return {given, H::kLeft, V::kTop};
    case kSurfaceEdgeRight: return {given, H::kRight, V::kTop};
    case kSurfaceEdgeTop: return {given, H::kCentre, V::kTop};
    case kSurfaceEdgeBottom: return {given, H::kCentre, V::kBottom};
    default: return {given, H::kLeft, V::kTop};
  }
}
