#include "app/TrayMenu.h"

#include "framework/Handles.h"
#include "framework/WinApp.h"
#include "menu/LaunchSurface.h"
#include "menu/TaskbarPlacement.h"
#include "resources/resource.h"

UINT RunTrayMenu(HWND owner) {
  const UniqueMenu menu(LoadMenuA(AppInstance(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
  const HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
  if (!popup) return 0;
  const UINT chosen = TrackMenuFromSurface(popup, kSurfaceTrayIcon, -1, -1, owner);
  SetForegroundWindow(owner);
  return chosen;
}
