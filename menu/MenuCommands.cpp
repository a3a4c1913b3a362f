#include "menu/MenuCommands.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "menu/FunctionCommands.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"
#include "windows/SavedWindows.h"
#include "windows/ShellFolders.h"
#include "windows/WindowCommands.h"
#include "windows/WindowKind.h"

namespace {

void OpenThroughShell(const char* path) {
  ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

void RestoreListedWindow(const MenuItemData& record) {
  // The window may have closed while the menu was open, and its handle may
  // name another window by now.
  if (SavedWindow(record.hWnd, record.nWindowThread).StillThere()) RestoreAndActivate(record.hWnd);
}

bool InRange(int32_t id, int32_t first, int32_t count) { return id >= first && id < first + count; }

int SpecialFolderOf(int32_t id) {
  switch (id) {
    case menu_id::kDesktopFolder:
      return CSIDL_DESKTOP;
    case menu_id::kMyComputer:
      return CSIDL_DRIVES;
    case menu_id::kNetworkNeighborhood:
      return CSIDL_NETWORK;
    default:
      return CSIDL_BITBUCKET;
  }
}

}  // namespace

MenuItemData* FetchMenuItemRecord(HMENU root, int32_t id) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  if (!GetMenuItemInfoA(root, static_cast<UINT>(id), FALSE, &info)) return nullptr;
  return reinterpret_cast<MenuItemData*>(info.dwItemData);
}

void ExecuteMenuCommand(HMENU root, int32_t id) {
  using namespace menu_id;
  if (id == kCloseAll) {
    ClosePouchWindows(kAllKinds);
  } else if (InRange(id, kCloseKindFirst, static_cast<int32_t>(kWindowKindCount))) {
    ClosePouchWindows(id - kCloseKindFirst);
  } else if (id == kMinimizeAll) {
    MinimizePouchWindows(kAllKinds);
  } else if (InRange(id, kMinimizeKindFirst, static_cast<int32_t>(kWindowKindCount))) {
    MinimizePouchWindows(id - kMinimizeKindFirst);
  } else if (id >= DriveId('A') && id <= DriveId('Z')) {
    const std::string drive = std::string(1, static_cast<char>(id - kDriveBase)) + ":\\";
    OpenThroughShell(drive.c_str());
  } else if (InRange(id, kPouchWindowFirst, kPouchWindowCount)) {
    if (const MenuItemData* record = FetchMenuItemRecord(root, id)) RestoreListedWindow(*record);
  } else if (id >= kDesktopFolder && id <= kRecycleBin) {
    OpenSpecialFolder(SpecialFolderOf(id));
  } else if (InRange(id, kDesktopItemFirst, kDesktopItemCount)) {
    // An unresolved shortcut has no path, and an empty path means something
    // of the shell's own choosing.
    const MenuItemData* record = FetchMenuItemRecord(root, id);
    if (record && record->szPath[0] != '\0') OpenThroughShell(record->szPath);
  } else if (id >= kFunctionItemFirst && id <= kFunctionItemLast) {
    if (const MenuItemData* record = FetchMenuItemRecord(root, id))
      ExecuteFunctionCommand(record->nFunction);
  }
}
