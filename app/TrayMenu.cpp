#include "app/TrayMenu.h"

#include "app/LaunchRequests.h"
#include "framework/AppWindow.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"
#include "menu/TaskbarPlacement.h"
#include "resources/resource.h"

UINT RunTrayMenu(HWND owner) {
  const UniqueMenu menu(LoadMenuA(AppInstance(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
  const HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
  if (!popup) return 0;
  const MenuPlacement placement = PlaceMenuNow(kSurfaceTrayIcon, -1, -1);
  // A menu of a window in the background would not close when the user
  // clicks elsewhere.
  SetForegroundWindow(owner);
  DrainMessageQueue();
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(popup, TrackFlagsFor(placement),
                                                       placement.point.x, placement.point.y, 0,
                                                       owner, nullptr));
  SetForegroundWindow(owner);
  PostMessageA(owner, WM_NULL, 0, 0);
  return chosen;
}
