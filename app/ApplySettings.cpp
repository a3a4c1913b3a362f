#include "app/ApplySettings.h"

#include <shlobj.h>

#include "app/AppState.h"
#include "app/MenuHotKey.h"
#include "app/QuickLaunch.h"
#include "app/TaskbarButtons.h"
#include "app/TaskbarFilterReload.h"
#include "app/TrayIcon.h"
#include "menu/MenuRendering.h"
#include "outside/keysnare/Keysnare.h"
#include "outside/sprigload/Sprigload.h"
#include "settings/SettingsStore.h"
#include "shellext/GraftlingIds.h"
#include "shellext/TaskbarTabControl.h"
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

// A shell that did not answer in time is busy, not without the filter: only
// an answer from the tab control itself, or no tab control, means none.
bool MayHoldTheFilter(TaskbarFilterPresence presence) {
  return presence != TaskbarFilterPresence::kAbsent;
}

// The old taskbar rebuilds every button through its filter when the windows
// are hidden and shown again. Any other taskbar, or one without the filter,
// has the pouch windows' buttons taken by Stowpouch itself; there hiding and
// showing every window would only flicker and reorder the buttons.
void RebuildTaskbarButtons(bool filtered, bool shellRestarted) {
  const bool tabControl = FindTaskbarTabControl() != nullptr;
  if (tabControl) RefreshTaskbarButtons();
  TheTaskbarButtons().Follow(!filtered, tabControl || shellRestarted);
}

}  // namespace

void ToggleTaskbarFilter() {
  // Elsewhere SHLoadInProc loads nothing in the shell, and under Wine it
  // would load Graftling into this very process.
  if (FindTaskbarTabControl()) SHLoadInProc(CLSID_Graftling);
}

void RestoreTaskbarButtons() {
  TheTaskbarButtons().GiveBackAll();
  if (FindTaskbarTabControl()) RefreshTaskbarButtons();
}

void ApplySettings(MenuStyle& menuStyle) {
  const HWND mainWindow = MainWindow();
  const SettingsRecord& settings = Settings();
  KeepQuickLaunchShortcut(settings);
  // The filter re-reads the settings first (the request is answered so by
  // the filter alone); then the buttons follow.
  RebuildTaskbarButtons(MayHoldTheFilter(AskTaskbarFilter()), false);
  ApplyTrayIcon(mainWindow, settings);
  menuStyle.UpdateMetrics();
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
  TaskbarFilterPresence presence = AskTaskbarFilter(reloadTimeoutMs);
  if (presence == TaskbarFilterPresence::kAbsent && FindTaskbarTabControl()) {
    SHLoadInProc(CLSID_Graftling);
    presence = AskTaskbarFilter(reloadTimeoutMs);
  }
  RebuildTaskbarButtons(MayHoldTheFilter(presence), true);
}

void StopOutsideComponents() {
  SprigloadStopWatch();
  KeysnareStopHook();
}
