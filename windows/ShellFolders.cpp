#include "windows/ShellFolders.h"

#include <windows.h>

#include "framework/Registry.h"

bool ReadShellFolderPath(const char* valueName, std::string& path) {
  const RegistryKey key(HKEY_CURRENT_USER,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        KEY_READ);
  return key.IsOpen() && key.QueryText(valueName, MAX_PATH, path);
}
