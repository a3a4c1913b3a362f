#pragma once
// The shell's folder browser and the common file-open dialog, reduced to
// what the program's dialogs ask of them.
#include <windows.h>

#include <string>

enum class FolderChoice {
  kCancelled,
  kPath,         // `path` holds the folder's file-system path
  kVirtualItem,  // an item without one (My Computer, say); `name` is its display name
};

// The folder browser over the whole namespace, owned by `owner`.
FolderChoice BrowseForFolder(HWND owner, const std::string& title, std::string& path,
                             std::string& name);

// The file-open dialog owned by `owner`. `filter` separates its parts with
// '|' and ends with "||"; the first pair is selected. The current directory
// stays as it is. True with the chosen file's full path.
bool BrowseForFile(HWND owner, const std::string& filter, std::string& path);
