#include "app/ApplySettings.h"

#include "app/AppState.h"
#include "app/MenuHotKey.h"
#include "app/TaskbarFilterReload.h"
#include "menu/MenuRendering.h"
#include "outside/keysnare/Keysnare.h"
#include "outside/sprigload/Sprigload.h"
#include "settings/SettingsStore.h"
#include "windows/WindowCommands.h"

namespace {

void ApplyMenuHotKey(HWND mainWindow, const SettingsRecord& settings) {
  if (settings.MenuPosHotKey == 1)
    TheMenuHotKey().Register(mainWindow, settings);
  else
    TheMenuHotKey().Forget();
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
  // The filter re-reads the settings first; then the taskbar rebuilds every
  // button through it.
  ReloadTaskbarFilter();
  RefreshTaskbarButtons();
  UpdateMenuMetrics();
  ApplyMenuHotKey(mainWindow, settings);
  ApplyDesktopEdges(mainWindow, settings);
  KeysnareStartHook(mainWindow);
}

void StopOutsideComponents() {
  SprigloadStopWatch();
  KeysnareStopHook();
}
