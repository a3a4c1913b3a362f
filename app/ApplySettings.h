#pragma once
#include <windows.h>

#include "app/TaskbarFilterReload.h"

class MenuStyle;

// Makes the launch surfaces and the taskbar buttons follow the settings
// record: the Quick Launch shortcut, Graftling's taskbar filter and the
// buttons it lets through, the tray icon, the menu metrics, the menu
// hotkey, the desktop-edge watch and the Windows-key hook.
void ApplySettings(MenuStyle& menuStyle);

// After a shell (re)started: the tray icon again, and Graftling in the new
// shell when it says it is not there, then the buttons rebuilt through it.
void ReconnectToShell(UINT reloadTimeoutMs = kReloadTimeoutMs);

// A load request for Graftling, which switches the old taskbar's filter on
// or off; made only where that taskbar is.
void ToggleTaskbarFilter();

// At quit: every pouch window gets its taskbar button back.
void RestoreTaskbarButtons();

// Stops the desktop-edge watch and the Windows-key hook at shutdown.
void StopOutsideComponents();
