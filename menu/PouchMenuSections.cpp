#include "menu/PouchMenuSections.h"

#include <shlobj.h>
#include <shlwapi.h>

#include "common/FunctionCommandTable.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "hotkeys/HotKeyList.h"
#include "menu/DiskFreeSpace.h"
#include "menu/DriveSpaceText.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"
#include "menu/Shortcut.h"
#include "resources/resource.h"
#include "windows/ShellFolders.h"

namespace {

// The Function Command submenu lists these rows of the function table.
constexpr int kSubmenuFunctions[menu_id::kFunctionItemCount] = {9, 10, 12, 13, 14, 15, 17, 19};

constexpr UINT kKindNames[kWindowKindCount] = {IDS_KIND_FOLDER, IDS_KIND_EXPLORER,
                                               IDS_KIND_INTERNET_EXPLORER, IDS_KIND_NETSCAPE,
                                               IDS_KIND_USER_DEFINED};

std::string WithFunctionKey(std::string text, int function) {
  std::string key;
  if (FindFunctionHotKeyText(function, key)) text += "\t" + key;
  return text;
}

MenuItemData* NewNamedRecord(MenuItemList& items, int32_t id, const std::string& text) {
  MenuItemData* record = items.NewRecord(id);
  SetMenuText(record->szText, text);
  return record;
}

}  // namespace

KindCounts CountKinds(const PouchLists& lists) {
  KindCounts counts{};
  for (std::size_t kind = 0; kind < lists.size(); ++kind) counts[kind] = lists[kind].size();
  return counts;
}

void AppendSectionSeparator(MenuItemList& items, HMENU root) {
  if (items.LastRootItemId() != -1)
    items.AppendRootItem(root, items.NewRecord(menu_id::kSeparator));
}

bool AppendSubmenuEntry(MenuItemList& items, HMENU root, HMENU submenu, int32_t id,
                        UINT nameId) {
  if (items.AppendRootItem(root, NewNamedRecord(items, id, LoadResourceString(nameId)), submenu))
    return true;
  DestroyMenu(submenu);
  return false;
}

void FillFunctionSubmenu(MenuItemList& items, HMENU submenu) {
  for (int32_t row = 0; row < menu_id::kFunctionItemCount; ++row) {
    const int function = kSubmenuFunctions[row];
    MenuItemData* record = NewNamedRecord(items, menu_id::kFunctionItemFirst + row,
                                          WithFunctionKey(FunctionCommandName(function), function));
    record->nFunction = function;
    AppendOwnerDrawnItem(submenu, record);
  }
}

void FillKindSubmenu(MenuItemList& items, HMENU submenu, const KindCounts& counts,
                     const KindSubmenu& kinds) {
  for (std::size_t kind = 0; kind < counts.size(); ++kind) {
    if (counts[kind] == 0) continue;
    AppendOwnerDrawnItem(submenu,
                         NewNamedRecord(items, kinds.firstKindId + static_cast<int32_t>(kind),
                                        LoadResourceString(kKindNames[kind])));
  }
  AppendMenuA(submenu, MF_SEPARATOR, 0, nullptr);  // drawn by the system
  const std::string all = WithFunctionKey(LoadResourceString(kinds.allNameId), kinds.allFunction);
  AppendOwnerDrawnItem(submenu, NewNamedRecord(items, kinds.allId, all));
}

void AppendPouchWindowItems(MenuItemList& items, HMENU root, int kind,
                            const KindTitles& kindTitles, int32_t& listed) {
  for (std::size_t i = 0; i < kindTitles.windows.size(); ++i) {
    // Beyond the range the identifiers would name drives or desktop items.
    if (listed >= menu_id::kPouchWindowCount) return;
    MenuItemData* record =
        NewNamedRecord(items, menu_id::kPouchWindowFirst + listed, kindTitles.titles[i]);
    SetMenuWindow(*record, kindTitles.windows[i]);
    record->nKind = kind;
    if (items.AppendRootItem(root, record)) ++listed;
  }
}

// --- drives -----------------------------------------------------------------

namespace {

// A removable drive without a medium would otherwise make the system ask
// the user to insert one. This thread's mode only: the process's is shared.
class CriticalErrorsOff {
 public:
  CriticalErrorsOff() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~CriticalErrorsOff() { SetThreadErrorMode(previous_, nullptr); }
  CriticalErrorsOff(const CriticalErrorsOff&) = delete;
  CriticalErrorsOff& operator=(const CriticalErrorsOff&) = delete;

 private:
  DWORD previous_ = 0;
};

std::string ByteSizeText(DWORD count) {
  char text[512] = "";
  if (!StrFormatByteSizeA(count, text, sizeof text)) return std::string();
  return text;
}

int BlankWidth(HFONT font) {
  const ScreenDC screen;
  if (!screen.Get()) return 0;
  // Without a font the selection fails and the screen's default font stays.
  const SelectedObject selected(screen.Get(), font);
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), " ", 1, &size);
  return size.cx;
}

bool QueryDriveSpace(const char* root, ULARGE_INTEGER& total, ULARGE_INTEGER& totalFree) {
  const GetDiskFreeSpaceExFunction diskFreeSpaceEx = DiskFreeSpaceEx();
  if (!diskFreeSpaceEx) return false;
  ULARGE_INTEGER available{};
  const CriticalErrorsOff quiet;
  return diskFreeSpaceEx(root, &available, &total, &totalFree) != FALSE;
}

void FormatByteCount(uint64_t count, std::string& text, int32_t& amount) {
  const int shift = DriveSpaceShift(count);
  if (shift == 0) {
    const std::string size = ByteSizeText(static_cast<DWORD>(count));
    text = size + " free";
    amount = AmountFromByteSizeText(size);
    return;
  }
  const ShiftedDriveSpace shifted =
      ShiftDriveSpace(shift, ByteSizeText(static_cast<DWORD>(count >> shift)));
  text = shifted.text;
  amount = shifted.amount;
}

}  // namespace

bool FormatDriveSpace(const char* root, std::string& text, int32_t& amount, int sizeWanted) {
  amount = 0;
  ULARGE_INTEGER total{}, totalFree{};
  if (!QueryDriveSpace(root, total, totalFree)) return false;
  FormatByteCount(sizeWanted == 1 ? total.QuadPart : totalFree.QuadPart, text, amount);
  return true;
}

bool AppendDriveItem(MenuItemList& items, HMENU root, char letter, HFONT font, int driveBarWidth,
                     FolderKeyTextFinder findKeyText) {
  const std::string rootPath = std::string(1, letter) + ":\\";
  MenuItemData* record = items.NewRecord(menu_id::DriveId(letter));
  std::string text = std::string(1, letter) + " Drive";
  std::string space;
  int32_t amount = 0;
  // One query serves the free amount and the total.
  ULARGE_INTEGER total{}, totalFree{};
  const bool queried = QueryDriveSpace(rootPath.c_str(), total, totalFree);
  if (queried) {
    FormatByteCount(totalFree.QuadPart, space, amount);
    const int blankWidth = BlankWidth(font);
    const int blanks = (blankWidth > 0 ? driveBarWidth / blankWidth : 0) + 3;
    text += "(" + space + ")" + std::string(static_cast<std::size_t>(blanks), ' ');
    record->nFreeMB = amount;
  } else {
    record->nFreeMB = -1;
  }
  std::string keyText;
  if (findKeyText && findKeyText(rootPath, keyText)) text += "\t" + keyText;
  SetMenuText(record->szText, text);

  if (queried) {
    int32_t totalAmount = 0;
    FormatByteCount(total.QuadPart, space, totalAmount);
    record->nTotalMB = totalAmount;
  }
  return items.AppendRootItem(root, record);
}

// --- the desktop ------------------------------------------------------------

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
