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

KindTitles ReadKindTitles(const WindowList& windows) {
  KindTitles kindTitles;
  for (HWND window : windows) {
    kindTitles.titles.push_back(WindowTitle(window));
    kindTitles.windows.push_back(window);
  }
  return kindTitles;
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
