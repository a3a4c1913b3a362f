#include "menu/MenuPlacement.h"

namespace {

constexpr int kTrayIcon = 1;
constexpr int kQuickLaunch = 2;
constexpr int kMenuHotKey = 3;
constexpr int kEdgeLeft = 200;
constexpr int kEdgeRight = 201;
constexpr int kEdgeTop = 202;
constexpr int kEdgeBottom = 203;

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

bool PlacesAgainstTaskbar(int surface) { return surface == kTrayIcon || surface == kQuickLaunch; }

TaskbarEdge TaskbarEdgeFrom(unsigned appBarEdge, const MenuRect& taskbar) {
  if (taskbar.IsEmpty() || appBarEdge > 3) return TaskbarEdge::kUnknown;
  return static_cast<TaskbarEdge>(appBarEdge);
}

MenuPlacement PlaceMenu(int surface, TaskbarEdge edge, const MenuRect& taskbar, MenuPoint cursor,
                        MenuPoint given) {
  switch (surface) {
    case kTrayIcon: return AgainstTaskbar(false, edge, taskbar, cursor);
    case kQuickLaunch: return AgainstTaskbar(true, edge, taskbar, cursor);
    case kMenuHotKey: return {cursor, H::kLeft, V::kTop};
    case kEdgeLeft: return {given, H::kLeft, V::kTop};
    case kEdgeRight: return {given, H::kRight, V::kTop};
    case kEdgeTop: return {given, H::kCentre, V::kTop};
    case kEdgeBottom: return {given, H::kCentre, V::kBottom};
    default: return {given, H::kLeft, V::kTop};
  }
}
