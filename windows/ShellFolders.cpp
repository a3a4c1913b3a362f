#include "windows/ShellFolders.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include "common/HandlerCommandLine.h"
#include "framework/Registry.h"

bool ReadShellFolderPath(const char* valueName, std::string& path) {
  const RegistryKey key(HKEY_CURRENT_USER,
                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                        KEY_READ);
  return key.IsOpen() && key.QueryText(valueName, MAX_PATH, path);
}

int OpenSpecialFolder(int csidl) {
  LPITEMIDLIST location = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &location)) || location == nullptr)
    return 0;
  SHELLEXECUTEINFOA execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_IDLIST;
  execute.lpIDList = location;
  execute.nShow = SW_SHOWNORMAL;
  const BOOL opened = ShellExecuteExA(&execute);
  // The shell's allocator is the task allocator: freed even when
  // SHGetMalloc would fail.
  CoTaskMemFree(location);
  // A folder that the shell cannot open counts as missing, so that the web
  // browser's fallback gets its turn.
  return opened ? 1 : 0;
}

namespace {

bool ReadClassesDefault(const std::string& keyPath, std::string& text) {
  const RegistryKey key(HKEY_CLASSES_ROOT, keyPath.c_str(), KEY_READ);
  return key.IsOpen() && key.QueryText("", MAX_PATH, text);
}

}  // namespace

void OpenWebBrowser() {
  if (OpenSpecialFolder(CSIDL_INTERNET) == 1) return;
  std::string fileType;
  std::string command;
  if (!ReadClassesDefault(".htm", fileType) ||
      !ReadClassesDefault(fileType + "\\shell\\open\\command", command))
    return;
  // Started with no page: the handler's placeholder would reach it as a
  // literal "%1".
  WinExec(CutAtPlaceholder(command).c_str(), SW_SHOWNORMAL);
}

namespace {
std::string& DesktopPath() {
  static std::string path;
  return path;
}
}  // namespace

const std::string& DesktopFolderPath() { return DesktopPath(); }
void SetDesktopFolderPath(const std::string& path) { DesktopPath() = path; }
