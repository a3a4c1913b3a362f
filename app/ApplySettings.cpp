#include "app/ApplySettings.h"

#include <shlobj.h>

#include "app/AppState.h"
#include "app/MenuHotKey.h"
#include "app/QuickLaunch.h"
#include "app/TaskbarFilterReload.h"
#include "app/TrayIcon.h"
#include "menu/MenuRendering.h"
#include "outside/keysnare/Keysnare.h"
#include "outside/sprigload/Sprigload.h"
#include "settings/SettingsStore.h"
#include "shellext/GraftlingIds.h"
#include "windows/WindowCommands.h"

namespace {

// The 16 x 16 program icon, which the main window carries.
HICON ProgramSmallIcon(HWND mainWindow) {
  return reinterpret_cast<HICON>(SendMessageA(mainWindow, WM_GETICON, ICON_SMALL, 0));
}

// Adding an icon that is there, or deleting one that is not, fails harmlessly.
void ApplyTrayIcon(HWND mainWindow, const SettingsRecord& settings) {
  if (settings.MenuPosTray == 1)
    AddTrayIcon(mainWindow, ProgramSmallIcon(mainWindow));
  else
    DeleteTrayIcon(mainWindow);
}

void ApplyMenuHotKey(HWND mainWindow, const SettingsRecord& settings) {
  if (settings.MenuPosHotKey == 1)
    TheMenuHotKey().Register(mainWindow, settings);
  else
    TheMenuHotKey().Unregister(mainWindow);
}

void ApplyDesktopEdges(HWND mainWindow, const SettingsRecord& settings) {
  if (settings.MenuPosDesktop != 0) {
    SprigloadSetEdges(settings.MenuPosDesktopLeft, settings.MenuPosDesktopTop,
                      settings.MenuPosDesktopRight, settings.MenuPosDesktopBottom);
    SprigloadStartWatch(mainWindow);
  } else {
    SprigloadStopWatch();
  }
}

}  // namespace

void ApplySettings() {
  const HWND mainWindow = MainWindow();
  const SettingsRecord& settings = Settings();
  KeepQuickLaunchShortcut(settings);
  // The filter re-reads the settings first; then the taskbar rebuilds every
  // button through it.
  ReloadTaskbarFilter();
  RefreshTaskbarButtons();
  ApplyTrayIcon(mainWindow, settings);
  UpdateMenuMetrics();
  ApplyMenuHotKey(mainWindow, settings);
  ApplyDesktopEdges(mainWindow, settings);
  KeysnareStartHook(mainWindow);
}

void ReconnectToShell(UINT reloadTimeoutMs) {
  const HWND mainWindow = MainWindow();
  if (Settings().MenuPosTray == 1) AddTrayIcon(mainWindow, ProgramSmallIcon(mainWindow));
  // Every load request switches the filter on or off, and anyone may send
  // "TaskbarCreated": only a shell whose taskbar lacks the filter gets one.
  // The question is itself the reload request, and a filter that goes in
  // reads the settings as it does. A shell too busy to answer may well hold
  // the filter, which a load request would switch off.
  if (AskTaskbarFilter(reloadTimeoutMs) == TaskbarFilterPresence::kAbsent)
    SHLoadInProc(CLSID_Graftling);
  RefreshTaskbarButtons();
}

void StopOutsideComponents() {
  SprigloadStopWatch();
  KeysnareStopHook();
}
