#pragma once
// The shortcut in the taskbar's Quick Launch bar that starts Dartlet, which
// opens the pouch menu.
#include <windows.h>

#include <string>

struct SettingsRecord;

// What a shell link file is made of.
struct ShellLinkRecord {
  std::string target;
  std::string description;
  WORD hotKey = 0;
  std::string iconPath;
  int iconIndex = 0;
};

// Writes a shell link file; E_FAIL without a record, else the first failing
// step's result or that of saving the file.
HRESULT CreateShellLink(const std::string& linkPath, const ShellLinkRecord* record);

// Makes "StowpouchQL.lnk" when "MenuPosAppBar" is 1 and it is missing, and
// deletes it when the setting is off. A Quick Launch folder that is missing
// or has any attribute besides being a directory is left alone.
void KeepQuickLaunchShortcut(const SettingsRecord& settings);
