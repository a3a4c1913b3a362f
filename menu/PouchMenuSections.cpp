#include "menu/PouchMenuSections.h"

#include "common/FunctionCommandTable.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "hotkeys/HotKeyList.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"
#include "resources/resource.h"

namespace {

// The Function Command submenu lists these rows of the function table.
constexpr int kSubmenuFunctions[menu_id::kFunctionItemCount] = {9, 10, 12, 13, 14, 15, 17, 19};

constexpr UINT kKindNames[kWindowKindCount] = {IDS_KIND_FOLDER, IDS_KIND_EXPLORER,
                                               IDS_KIND_INTERNET_EXPLORER, IDS_KIND_NETSCAPE,
                                               IDS_KIND_USER_DEFINED};

// Titles are read up to this many characters; the record keeps fewer.

std::string WithFunctionKey(std::string text, int function) {
  std::string key;
  if (FindFunctionHotKeyText(function, key)) text += "\t" + key;
  return text;
}

MenuItemData* NewNamedRecord(int32_t id, const std::string& text) {
  MenuItemData* record = NewMenuItemRecord(id);
  SetMenuText(record->szText, text);
  return record;
}

}  // namespace

KindCounts CountKinds(const PouchLists& lists) {
  KindCounts counts{};
  for (std::size_t kind = 0; kind < lists.size(); ++kind) counts[kind] = lists[kind].size();
  return counts;
}

void AppendSectionSeparator(HMENU root) {
  if (LastRootItemId() != -1) AppendRootItem(root, NewMenuItemRecord(menu_id::kSeparator));
}

bool AppendSubmenuEntry(HMENU root, HMENU submenu, int32_t id, UINT nameId) {
  if (AppendRootItem(root, NewNamedRecord(id, LoadResourceString(nameId)), submenu)) return true;
  DestroyMenu(submenu);
  return false;
}

HMENU BuildFunctionSubmenu() {
  const HMENU submenu = CreatePopupMenu();
  if (!submenu) return nullptr;
  for (int32_t row = 0; row < menu_id::kFunctionItemCount; ++row) {
    const int function = kSubmenuFunctions[row];
    MenuItemData* record = NewNamedRecord(menu_id::kFunctionItemFirst + row,
                                          WithFunctionKey(FunctionCommandName(function), function));
    record->nFunction = function;
    AppendOwnerDrawnItem(submenu, record);
  }
  return submenu;
}

HMENU BuildKindSubmenu(const KindCounts& counts, int32_t firstKindId, int32_t allId,
                       UINT allNameId, int allFunction) {
  const HMENU submenu = CreatePopupMenu();
  if (!submenu) return nullptr;
  for (std::size_t kind = 0; kind < counts.size(); ++kind) {
    if (counts[kind] == 0) continue;
    AppendOwnerDrawnItem(submenu, NewNamedRecord(firstKindId + static_cast<int32_t>(kind),
                                                 LoadResourceString(kKindNames[kind])));
  }
  AppendMenuA(submenu, MF_SEPARATOR, 0, nullptr);  // drawn by the system
  AppendOwnerDrawnItem(submenu,
                       NewNamedRecord(allId, WithFunctionKey(LoadResourceString(allNameId),
                                                             allFunction)));
  return submenu;
}

KindTitles ReadKindTitles(const WindowList& windows) {
  KindTitles kindTitles;
  for (HWND window : windows) {
    kindTitles.titles.push_back(WindowTitle(window));
    kindTitles.windows.push_back(window);
  }
  return kindTitles;
}

void AppendPouchWindowItems(HMENU root, int kind, const KindTitles& kindTitles, int32_t& listed) {
  for (std::size_t i = 0; i < kindTitles.windows.size(); ++i) {
    // Beyond the range the identifiers would name drives or desktop items.
    if (listed >= menu_id::kPouchWindowCount) return;
    MenuItemData* record =
        NewNamedRecord(menu_id::kPouchWindowFirst + listed, kindTitles.titles[i]);
    SetMenuWindow(*record, kindTitles.windows[i]);
    record->nKind = kind;
    if (AppendRootItem(root, record)) ++listed;
  }
}
