#include "menu/PouchMenu.h"

#include <windows.h>

#include "framework/AppWindow.h"
#include "framework/Handles.h"
#include "hotkeys/HotKeyList.h"
#include "menu/DesktopEntries.h"
#include "menu/DriveEntries.h"
#include "menu/MenuCommands.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"
#include "menu/MenuRendering.h"
#include "menu/PouchMenuSections.h"
#include "menu/TaskbarPlacement.h"
#include "menu/TitleSort.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace {

LONG g_menuBusy = 0;  // 1 while a pouch menu is under way

int CompareTitlesIgnoringCase(const std::string& a, const std::string& b) {
  const int order =
      CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1);
  // 0 is a failure, not "less": the bytes decide then, so the order holds.
  if (order == 0) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
  return order - 2;
}

bool DriveListed(char letter, const SettingsRecord& settings) {
  const char root[] = {letter, ':', '\\', '\0'};
  switch (GetDriveTypeA(root)) {
    case DRIVE_REMOVABLE:
      return settings.DisplayRemovable == 1;
    case DRIVE_FIXED:
      return settings.DisplayFixed == 1;
    case DRIVE_REMOTE:
      return settings.DisplayRemote == 1;
    case DRIVE_CDROM:
      return settings.DisplayCDROM == 1;
    default:
      return false;
  }
}

void AppendDesktopSection(HMENU root) {
  if (const HMENU desktop = BuildDesktopSubmenu())
    AppendSubmenuEntry(root, desktop, menu_id::kDesktopEntry, IDS_DESKTOP_ICONS);
}

void AppendFunctionSection(HMENU root) {
  const HMENU functions = BuildFunctionSubmenu();
  if (!functions) return;
  AppendSectionSeparator(root);
  AppendSubmenuEntry(root, functions, menu_id::kFunctionEntry, IDS_FUNCTION_COMMAND);
}

void AppendKindSection(HMENU root, const KindCounts& counts, int32_t entryId, UINT entryName,
                       int32_t firstKindId, int32_t allId, UINT allName, int allFunction) {
  const HMENU submenu = BuildKindSubmenu(counts, firstKindId, allId, allName, allFunction);
  if (!submenu) return;
  AppendSectionSeparator(root);
  AppendSubmenuEntry(root, submenu, entryId, entryName);
}

void AppendDriveSection(HMENU root, const SettingsRecord& settings) {
  // The separator stands even when no drive qualifies.
  AppendSectionSeparator(root);
  const UniqueGdiObject font(CreateMenuFont());
  // Under Wine each type query costs a millisecond or more, and most
  // letters name no drive.
  const DWORD present = GetLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(present & (1u << (letter - 'A'))) || !DriveListed(letter, settings)) continue;
    AppendDriveItem(root, letter, static_cast<HFONT>(font.Get()),
                    CurrentMenuMetrics().DriveBarWidth, FindFolderHotKeyText);
  }
}

void AppendPouchWindowSection(HMENU root, const PouchLists& lists, std::size_t total, bool sort) {
  if (total > 0) AppendSectionSeparator(root);
  int32_t listed = 0;
  for (std::size_t kind = 0; kind < lists.size(); ++kind) {
    KindTitles kindTitles = ReadKindTitles(lists[kind]);
    if (sort) SortWindowTitles(kindTitles.titles, kindTitles.windows, CompareTitlesIgnoringCase);
    AppendPouchWindowItems(root, static_cast<int>(kind), kindTitles, listed);
  }
}

void BuildRootMenu(HMENU root) {
  const SettingsRecord& settings = Settings();
  if (settings.DesktopIcon == 1) AppendDesktopSection(root);
  if (settings.FunctionCommand == 1) AppendFunctionSection(root);
  // One look at the desktop serves the Close, Minimize and window sections,
  // so the submenus always agree with the windows listed.
  PouchLists lists;
  BuildPouchLists(lists, 1);
  const KindCounts counts = CountKinds(lists);
  std::size_t total = 0;
  for (std::size_t count : counts) total += count;
  if (settings.DisplayCloseAll == 1 && total != 0)
    AppendKindSection(root, counts, menu_id::kCloseEntry, IDS_CLOSE, menu_id::kCloseKindFirst,
                      menu_id::kCloseAll, IDS_CLOSE_ALL, 10);
  if (settings.DisplayMinimizeAll == 1 && total != 0)
    AppendKindSection(root, counts, menu_id::kMinimizeEntry, IDS_MINIMIZE,
                      menu_id::kMinimizeKindFirst, menu_id::kMinimizeAll, IDS_MINIMIZE_ALL, 9);
  if (settings.DisplayDrive == 1) AppendDriveSection(root, settings);
  AppendPouchWindowSection(root, lists, total, settings.SortMenuItem == 1);
}

}  // namespace

int ShowPouchMenu(int surface, int x, int y) {
  if (InterlockedCompareExchange(&g_menuBusy, 1, 0) != 0) return 0;
  FreeMenuItemRecords();
  LastRootItemId() = -1;
  ResetMenuDrawState();
  {
    // Destroying the root destroys the submenus attached to it.
    const UniqueMenu root(CreatePopupMenu());
    if (root) {
      BuildRootMenu(root.Get());
      const UINT chosen = TrackMenuFromSurface(root.Get(), surface, x, y, MainWindow());
      ExecuteMenuCommand(root.Get(), static_cast<int32_t>(chosen));
    }
  }
  FreeMenuItemRecords();
  ResetMenuDrawState();
  InterlockedExchange(&g_menuBusy, 0);
  return 1;
}
