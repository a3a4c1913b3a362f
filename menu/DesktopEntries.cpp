#include "menu/DesktopEntries.h"

#include <shlobj.h>

#include <string>

#include "framework/Handles.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"
#include "menu/Shortcut.h"
#include "windows/ShellFolders.h"

namespace {

// The shell's display name of a special folder; empty when it has none.
std::string SpecialFolderName(int csidl) {
  UniqueIdList idList;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, idList.Receive())) || !idList)
    return std::string();
  SHFILEINFOA info{};
  if (!SHGetFileInfoA(reinterpret_cast<LPCSTR>(idList.Get()), 0, &info, sizeof info,
                      SHGFI_PIDL | SHGFI_DISPLAYNAME))
    return std::string();
  return info.szDisplayName;
}

void AppendItem(MenuItemList& items, HMENU menu, int32_t id, const std::string& text) {
  MenuItemData* record = items.NewRecord(id);
  SetMenuText(record->szText, text);
  AppendOwnerDrawnItem(menu, record);
}

bool IsShortcutName(const std::string& name) {
  return name.size() >= 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".lnk") == 0;
}

void AppendEntry(MenuItemList& items, HMENU menu, int32_t id, const std::string& folder,
                 const std::string& name) {
  MenuItemData* record = items.NewRecord(id);
  if (!IsShortcutName(name)) {
    SetMenuText(record->szText, name);
    SetMenuText(record->szPath, folder + name);
  } else {
    SetMenuText(record->szText, name.substr(0, name.size() - 4));
    ShortcutInfo shortcut;
    if (SUCCEEDED(ResolveShortcut(folder + name, shortcut))) {
      SetMenuText(record->szPath, shortcut.targetPath);
      SetMenuText(record->szIconPath, shortcut.iconPath);
      record->nIconIndex = static_cast<uint16_t>(shortcut.iconIndex);
    }
  }
  AppendOwnerDrawnItem(menu, record);
}

// The desktop folder's entries; those beyond the identifier range are left
// out.
void AppendDesktopDirectory(MenuItemList& items, HMENU menu) {
  std::string folder = DesktopFolderPath();
  if (folder.empty()) return;
  if (folder.back() != '\\') folder += '\\';
  WIN32_FIND_DATAA found{};
  const UniqueFindFile search(FindFirstFileA((folder + "*.*").c_str(), &found));
  if (!search) return;
  int32_t count = 0;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    AppendEntry(items, menu, menu_id::kDesktopItemFirst + count, folder, name);
    ++count;
  } while (count < menu_id::kDesktopItemCount && FindNextFileA(search.Get(), &found));
}

}  // namespace

void FillDesktopSubmenu(MenuItemList& items, HMENU menu) {
  // The desktop it opens is the shell's, not a directory: no path.
  AppendItem(items, menu, menu_id::kDesktopFolder, "Desktop Folder");
  AppendItem(items, menu, menu_id::kMyComputer, SpecialFolderName(CSIDL_DRIVES));
  AppendItem(items, menu, menu_id::kNetworkNeighborhood, SpecialFolderName(CSIDL_NETWORK));
  AppendItem(items, menu, menu_id::kRecycleBin, SpecialFolderName(CSIDL_BITBUCKET));
  AppendDesktopDirectory(items, menu);
}
