#include "framework/ShellDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "framework/Handles.h"

FolderChoice BrowseForFolder(HWND owner, const std::string& title, std::string& path,
                             std::string& name) {
  char displayName[MAX_PATH] = "";
  BROWSEINFOA browse{};
  browse.hwndOwner = owner;
  browse.pszDisplayName = displayName;
  browse.lpszTitle = title.c_str();
  const UniqueIdList item(SHBrowseForFolderA(&browse));
  if (!item) return FolderChoice::kCancelled;
  char folder[MAX_PATH] = "";
  if (SHGetPathFromIDListA(item.Get(), folder) && folder[0] != '\0') {
    path = folder;
    return FolderChoice::kPath;
  }
  name = displayName;
  return FolderChoice::kVirtualItem;
}

bool BrowseForFile(HWND owner, const std::string& filter, std::string& path) {
  // The dialog wants its filter's parts separated by NULs.
  std::vector<char> parts(filter.begin(), filter.end());
  for (char& c : parts)
    if (c == '|') c = '\0';
  parts.push_back('\0');
  char file[MAX_PATH] = "";
  OPENFILENAMEA open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = owner;
  open.lpstrFilter = parts.data();
  open.nFilterIndex = 1;
  open.lpstrFile = file;
  open.nMaxFile = MAX_PATH;
  // The shortcut list and the help pages are found relative to the folder
  // the program started in; browsing must not move it.
  open.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
               OFN_FILEMUSTEXIST;
  if (!GetOpenFileNameA(&open)) return false;
  path = file;
  return true;
}
