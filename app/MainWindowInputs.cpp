// The main window's inputs from outside its own controls: the shortcut
// keys and the menu hotkey (WM_HOTKEY), and the registered messages of
// Dartlet, Sprigload, Keysnare and the shell.
#include "app/StowpouchDlg.h"

#include "app/AppState.h"
#include "app/ApplySettings.h"
#include "app/LaunchRequests.h"
#include "app/MenuHotKey.h"
#include "app/TaskbarButtons.h"
#include "hotkeys/HotKeys.h"
#include "menu/FunctionCommands.h"
#include "menu/LaunchSurface.h"
#include "settings/SettingsStore.h"
#include "windows/WindowCommands.h"

bool CStowpouchDlg::OnInputMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool inputCommand = message == WM_HOTKEY ||
                            (message != 0 && (message == StowpouchMessage() ||
                                              message == SystemHotKeyMessage()));
  if (inputCommand && !TakesInputCommands()) {
    // Dropped: a repeated key or click finds the program ready again.
  } else if (message == WM_HOTKEY && TheMenuHotKey().Id() != 0 &&
             static_cast<int>(wParam) == TheMenuHotKey().Id()) {
    OnMenuHotKey();
  } else if (message == SystemHotKeyMessage() && TheMenuHotKey().IsTakenPress(wParam, lParam)) {
    OnMenuHotKey();
  } else if (message == WM_HOTKEY) {
    RunHotKeyItem(static_cast<int32_t>(wParam), ::ExecuteFunctionCommand);
  } else if (message == StowpouchMessage() && message != 0) {
    OnStowpouchMessage(wParam, lParam);
  } else if (message == SystemHotKeyMessage() && message != 0) {
    OnSystemHotKey(lParam);
  } else if (message == TaskbarCreatedMessage() && message != 0) {
    ReconnectToShell();
  } else {
    return false;
  }
  return true;
}

void CStowpouchDlg::OnMenuHotKey() {
  TheMenuHotKey().RunMenu(m_hWnd, Settings(), [this] {
    TheTaskbarButtons().Review();
    ShowPouchMenu(m_pouchMenu, kSurfaceMenuHotKey, -1, -1);
  });
}

void CStowpouchDlg::OnStowpouchMessage(WPARAM wParam, LPARAM lParam) {
  const int surface = PouchSurfaceForMessage(wParam, Settings());
  if (surface == 0) return;
  TheTaskbarButtons().Review();
  if (surface == kSurfaceQuickLaunch) {
    ShowPouchMenu(m_pouchMenu, surface, -1, -1);
  } else {
    const ScreenPoint point = EdgeClickPoint(lParam);
    ShowPouchMenu(m_pouchMenu, surface, point.x, point.y);
  }
}

void CStowpouchDlg::OnSystemHotKey(LPARAM lParam) {
  switch (SystemHotKeyActionFor(lParam)) {
    case SystemHotKeyAction::kMinimizePouch: {
      TheTaskbarButtons().Review();
      PouchLists lists;
      BuildPouchLists(lists, 1);
      m_systemHotKeyLists = SavePouchLists(lists);
      MinimizeSavedWindows(m_systemHotKeyLists);
      break;
    }
    case SystemHotKeyAction::kRestorePouch:
      RestoreSavedWindows(m_systemHotKeyLists);
      break;
    case SystemHotKeyAction::kNone:
      break;
  }
}
