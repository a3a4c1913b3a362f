#include "menu/TaskbarPlacement.h"

#include <shellapi.h>

#include "framework/AppWindow.h"

namespace {

TaskbarEdge ReadTaskbar(MenuRect& taskbar) {
  APPBARDATA data{};
  data.cbSize = sizeof data;  // this build's own record: 36 bytes only in 32 bits
  SHAppBarMessage(ABM_QUERYPOS, &data);
  if (IsRectEmpty(&data.rc)) SHAppBarMessage(ABM_GETTASKBARPOS, &data);
  taskbar = {data.rc.left, data.rc.top, data.rc.right, data.rc.bottom};
  return TaskbarEdgeFrom(data.uEdge, taskbar);
}

UINT TrackFlagsFor(const MenuPlacement& placement) {
  UINT flags = TPM_LEFTBUTTON | TPM_RETURNCMD;
  if (placement.horizontal == MenuHorizontalAlign::kCentre) flags |= TPM_CENTERALIGN;
  if (placement.horizontal == MenuHorizontalAlign::kRight) flags |= TPM_RIGHTALIGN;
  if (placement.vertical == MenuVerticalAlign::kBottom) flags |= TPM_BOTTOMALIGN;
  return flags;
}

}  // namespace

MenuPlacement PlaceMenuNow(int surface, int x, int y) {
  // Asking the shell is a round trip to it, tens of milliseconds under a
  // busy Wine, which the hotkey and the desktop edges do without.
  MenuRect taskbar;
  const TaskbarEdge edge =
      PlacesAgainstTaskbar(surface) ? ReadTaskbar(taskbar) : TaskbarEdge::kUnknown;
  POINT cursor{};
  GetCursorPos(&cursor);
  return PlaceMenu(surface, edge, taskbar, {cursor.x, cursor.y}, {x, y});
}

UINT TrackMenuFromSurface(HMENU menu, int surface, int x, int y, HWND owner) {
  const MenuPlacement placement = PlaceMenuNow(surface, x, y);
  DrainMessageQueue();
  // A menu of a window in the background would not close when the user
  // clicks elsewhere; the null message after it is the platform's remedy
  // for the menus of tray programs.
  SetForegroundWindow(owner);
  DrainMessageQueue();
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TrackFlagsFor(placement), placement.point.x, placement.point.y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  // A hidden owner keeps the foreground after its menu; no control of it
  // may hold the keyboard then.
  if (!IsWindowVisible(owner)) SetFocus(nullptr);
  return chosen;
}
