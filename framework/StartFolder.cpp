#include "framework/StartFolder.h"

#include <windows.h>

namespace {

std::string& StartFolder() {
  static std::string folder;
  return folder;
}

std::string CurrentDirectory() {
  const DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return {};
  std::string folder(needed, '\0');
  const DWORD length = GetCurrentDirectoryA(needed, &folder[0]);
  if (length == 0 || length >= needed) return {};
  folder.resize(length);
  return folder;
}

}  // namespace

void FixStartFolder() { StartFolder() = CurrentDirectory(); }

std::string StartFolderPath(const char* relative) {
  const std::string& folder = StartFolder();
  if (folder.empty()) return relative;
  // ".\name" under the folder is just "name" there.
  if (relative[0] == '.' && relative[1] == '\\') relative += 2;
  // A drive root ("C:\") already ends in the separator.
  return folder.back() == '\\' ? folder + relative : folder + '\\' + relative;
}
