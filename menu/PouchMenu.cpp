#include "menu/PouchMenu.h"

#include "framework/AppWindow.h"
#include "framework/Dpi.h"
#include "hotkeys/HotKeyList.h"
#include "menu/PouchMenuSections.h"
#include "menu/MenuCommands.h"
#include "menu/MenuIds.h"
#include "menu/MenuKeyboard.h"
#include "menu/TaskbarPlacement.h"
#include "menu/TitleSort.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace {

int CompareTitlesIgnoringCase(const std::string& a, const std::string& b) {
  const int order =
      CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1);
  // 0 is a failure, not "less": the bytes decide then, so the order holds.
  if (order == 0) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
  return order - 2;
}

bool DriveListed(unsigned type, const SettingsRecord& settings) {
  switch (type) {
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

constexpr KindSubmenu kCloseSubmenu = {menu_id::kCloseKindFirst, menu_id::kCloseAll,
                                       IDS_CLOSE_ALL, 10};
constexpr KindSubmenu kMinimizeSubmenu = {menu_id::kMinimizeKindFirst, menu_id::kMinimizeAll,
                                          IDS_MINIMIZE_ALL, 9};

}  // namespace

PouchMenu::PouchMenu(MenuStyle& style, int dpi)
    : style_(style), painter_(style, items_, dpi), root_(CreatePopupMenu()) {}

void PouchMenu::AppendSubmenu(int32_t entryId, UINT nameId, bool separatorFirst) {
  const HMENU submenu = CreatePopupMenu();
  if (!submenu) return;
  if (separatorFirst) AppendSectionSeparator(items_, root_.Get());
  if (!AppendSubmenuEntry(items_, root_.Get(), submenu, entryId, nameId)) return;
  // Filled when it is about to open: the user rarely opens most of them,
  // and the desktop's entries are the dearest part of the menu.
  pending_.push_back({submenu, entryId});
}

void PouchMenu::FillPending(const PendingSubmenu& pending) {
  switch (pending.entryId) {
    case menu_id::kDesktopEntry:
      FillDesktopSubmenu(items_, pending.menu);
      break;
    case menu_id::kFunctionEntry:
      FillFunctionSubmenu(items_, pending.menu);
      break;
    case menu_id::kCloseEntry:
      FillKindSubmenu(items_, pending.menu, counts_, kCloseSubmenu);
      break;
    case menu_id::kMinimizeEntry:
      FillKindSubmenu(items_, pending.menu, counts_, kMinimizeSubmenu);
      break;
    default:
      break;
  }
}

void PouchMenu::FillSubmenu(HMENU submenu) {
  for (auto pending = pending_.begin(); pending != pending_.end(); ++pending) {
    if (pending->menu != submenu) continue;
    const PendingSubmenu filling = *pending;
    pending_.erase(pending);
    FillPending(filling);
    return;
  }
}

void PouchMenu::AppendDriveSection() {
  // The separator stands even when no drive qualifies.
  AppendSectionSeparator(items_, root_.Get());
  const SettingsRecord& settings = Settings();
  // Most letters name no drive, and the types are kept from earlier
  // openings.
  const DWORD present = GetLogicalDrives();
  DriveTypeCache& types = style_.DriveTypes();
  types.Present(present);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(present & (1u << (letter - 'A'))) || !DriveListed(types.TypeOf(letter), settings))
      continue;
    AppendDriveItem(items_, root_.Get(), letter, painter_.Font(),
                    painter_.Metrics().DriveBarWidth, FindFolderHotKeyText);
  }
}

void PouchMenu::AppendPouchWindowSection(const PouchLists& lists, const PouchTitles& titles,
                                         std::size_t total, bool sort) {
  if (total > 0) AppendSectionSeparator(items_, root_.Get());
  int32_t listed = 0;
  for (std::size_t kind = 0; kind < lists.size(); ++kind) {
    KindTitles kindTitles{titles[kind], lists[kind]};
    if (sort) SortWindowTitles(kindTitles.titles, kindTitles.windows, CompareTitlesIgnoringCase);
    AppendPouchWindowItems(items_, root_.Get(), static_cast<int>(kind), kindTitles, listed);
  }
}

bool PouchMenu::Build() {
  if (!root_) return false;
  const SettingsRecord& settings = Settings();
  if (settings.DesktopIcon == 1)
    AppendSubmenu(menu_id::kDesktopEntry, IDS_DESKTOP_ICONS, false);
  if (settings.FunctionCommand == 1)
    AppendSubmenu(menu_id::kFunctionEntry, IDS_FUNCTION_COMMAND, true);
  // One look at the desktop serves the Close, Minimize and window sections,
  // so the submenus always agree with the windows listed.
  PouchLists lists;
  PouchTitles titles;
  BuildTitledPouchLists(lists, titles, 1, &style_.FrameContents());
  counts_ = CountKinds(lists);
  std::size_t total = 0;
  for (std::size_t count : counts_) total += count;
  if (settings.DisplayCloseAll == 1 && total != 0)
    AppendSubmenu(menu_id::kCloseEntry, IDS_CLOSE, true);
  if (settings.DisplayMinimizeAll == 1 && total != 0)
    AppendSubmenu(menu_id::kMinimizeEntry, IDS_MINIMIZE, true);
  if (settings.DisplayDrive == 1) AppendDriveSection();
  AppendPouchWindowSection(lists, titles, total, settings.SortMenuItem == 1);
  return true;
}

UINT PouchMenu::Track(int surface, int x, int y) {
  return TrackMenuFromSurface(root_.Get(), surface, x, y, MainWindow());
}

void PouchMenu::Execute(int32_t id) { ExecuteMenuCommand(root_.Get(), id); }

bool PouchMenuHost::OnMenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!open_) return false;
  switch (message) {
    case WM_MEASUREITEM: {
      auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (request->CtlType != ODT_MENU) return false;
      open_->Measure(*request);
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (request->CtlType != ODT_MENU) return false;
      open_->Draw(*request);
      result = TRUE;
      return true;
    }
    case WM_INITMENUPOPUP:
      open_->FillSubmenu(reinterpret_cast<HMENU>(wParam));
      result = 0;
      return true;
    case WM_MENUCHAR:
      if (!(HIWORD(wParam) & MF_POPUP)) return false;
      result = AnswerMenuChar(reinterpret_cast<HMENU>(lParam), static_cast<char>(LOWORD(wParam)));
      return true;
    default:
      return false;
  }
}

int ShowPouchMenu(PouchMenuHost& host, int surface, int x, int y) {
  if (host.open_) return 0;
  // The menu opens at the surface's point, or else at the pointer.
  POINT at{x, y};
  if (x == -1 && y == -1 && !GetCursorPos(&at)) at = POINT{0, 0};
  PouchMenu menu(host.style_, DpiAtPoint(at));
  host.open_ = &menu;
  if (menu.Build()) menu.Execute(static_cast<int32_t>(menu.Track(surface, x, y)));
  host.open_ = nullptr;
  return 1;
}
