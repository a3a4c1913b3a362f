#pragma once
// The shortcut in the taskbar's Quick Launch bar that starts Dartlet, which
// opens the pouch menu.
// The file is written by CreateShellLink (menu/Shortcut.h).
#include "menu/Shortcut.h"

struct SettingsRecord;

// Makes "StowpouchQL.lnk" when "MenuPosAppBar" is 1 and it is missing, and
// deletes it when the setting is off. A Quick Launch folder that is missing
// or has any attribute besides being a directory is left alone.
void KeepQuickLaunchShortcut(const SettingsRecord& settings);
