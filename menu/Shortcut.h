#pragma once
// Reading and writing shell shortcut (".lnk") files.
#include <windows.h>

#include <string>

struct ShortcutInfo {
  std::string targetPath;  // in the short (8.3) form
  std::string description;
  WORD hotKey = 0;
  std::string iconPath;  // empty when the shortcut names no icon
  int iconIndex = 0;
};

// What a shortcut file says, or is to say.
using ShellLinkRecord = ShortcutInfo;

// Loads and resolves the shortcut at `path` without any user interface.
// Returns the resolve step's result; a failure at any step returns that
// step's error and leaves `info` as it was. COM must be initialised.
HRESULT ResolveShortcut(const std::string& path, ShortcutInfo& info);

// Writes a shortcut file at `linkPath`: target, description, hot key and
// icon location, no arguments or working directory. E_FAIL without a
// record, else the first failing step's result or that of saving the file.
HRESULT CreateShellLink(const std::string& linkPath, const ShellLinkRecord* record);
