#pragma once
// Reading a shell shortcut (".lnk") file.
#include <windows.h>

#include <string>

struct ShortcutInfo {
  std::string targetPath;  // in the short (8.3) form
  std::string description;
  WORD hotKey = 0;
  std::string iconPath;  // empty when the shortcut names no icon
  int iconIndex = 0;
};

// Loads and resolves the shortcut at `path` without any user interface.
// Returns the resolve step's result; a failure at any step returns that
// step's error and leaves `info` as it was. COM must be initialised.
HRESULT ResolveShortcut(const std::string& path, ShortcutInfo& info);
