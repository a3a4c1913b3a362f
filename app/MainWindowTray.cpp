// The main window's tray icon: a click opens the pouch, a double click
// shows the window, the right button opens the tray menu.
#include "app/StowpouchDlg.h"

#include "app/TaskbarButtons.h"
#include "app/TrayMenu.h"
#include "menu/LaunchSurface.h"
#include "resources/resource.h"

void CStowpouchDlg::OnTrayIcon(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONUP:
      // A click opens the pouch once it cannot be the first of a double
      // click: opened at once, the menu would take the second click, and
      // the double click that shows this window would never arrive.
      if (m_trayDoubleClicked)
        m_trayDoubleClicked = false;  // the release of a double click's second press
      else
        SetTimer(m_hWnd, kTrayClickTimer, GetDoubleClickTime(), nullptr);
      break;
    case WM_LBUTTONDBLCLK:
      KillTimer(m_hWnd, kTrayClickTimer);
      m_trayDoubleClicked = true;
      ShowMainWindow();
      break;
    case WM_RBUTTONUP:
      KillTimer(m_hWnd, kTrayClickTimer);
      OnTrayMenuCommand(RunTrayMenu(m_hWnd));
      break;
    default:
      break;
  }
}

void CStowpouchDlg::OnTrayMenuCommand(UINT id) {
  switch (id) {
    case ID_TRAY_SHOW:
      ShowMainWindow();
      break;
    case ID_TRAY_HIDE:
      if (!BringOpenDialogForward()) OnOK();
      break;
    case ID_TRAY_OPTIONS:
      OnButton(IDC_OPTIONS);
      break;
    case ID_TRAY_SHOW_HIDE_WINDOWS:
      OnButton(IDC_SHOW_HIDE_WINDOW);
      break;
    case ID_TRAY_ARRANGE_TASKBAR:
      OnButton(IDC_ARRANGE_TASKBAR);
      break;
    case ID_TRAY_SET_SHORTCUT_KEY:
      OnButton(IDC_SET_SHORTCUT_KEY);
      break;
    default:
      break;
  }
}

void CStowpouchDlg::OnTrayClickTimer() {
  KillTimer(m_hWnd, kTrayClickTimer);
  if (TakesInputCommands()) {
    TheTaskbarButtons().Review();
    ShowPouchMenu(m_pouchMenu, kSurfaceTrayIcon, -1, -1);
  }
}
