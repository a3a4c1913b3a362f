#include "menu/MenuItemData.h"

#include "menu/MenuIds.h"

std::vector<std::unique_ptr<MenuItemData>>& MenuItemList() {
  static std::vector<std::unique_ptr<MenuItemData>> records;
  return records;
}

MenuItemData* NewMenuItemRecord(int32_t id) {
  auto record = std::make_unique<MenuItemData>();  // value-initialised: all zero
  record->nID = id;
  MenuItemList().push_back(std::move(record));
  return MenuItemList().back().get();
}

void SetMenuWindow(MenuItemData& record, HWND window) {
  record.hWnd = window;
  record.nWindowThread = GetWindowThreadProcessId(window, nullptr);
}

void FreeMenuItemRecords() { MenuItemList().clear(); }

MenuItemData* FindMenuItemRecord(int32_t id) {
  for (const auto& record : MenuItemList())
    if (record->nID == id) return record.get();
  return nullptr;
}

int32_t& LastRootItemId() {
  static int32_t id = -1;
  return id;
}

bool AppendOwnerDrawnItem(HMENU menu, MenuItemData* record, HMENU submenu) {
  // A separator is still drawn by us; marked as one, the arrow keys pass it.
  UINT flags = record ? MF_OWNERDRAW : MF_OWNERDRAW | MF_SEPARATOR;
  UINT_PTR item = record ? static_cast<UINT_PTR>(record->nID) : menu_id::kSeparator;
  if (submenu) {
    flags |= MF_POPUP;
    item = reinterpret_cast<UINT_PTR>(submenu);
  }
  return AppendMenuA(menu, flags, item, reinterpret_cast<LPCSTR>(record)) != FALSE;
}

bool AppendRootItem(HMENU root, MenuItemData* record, HMENU submenu) {
  if (!AppendOwnerDrawnItem(root, record, submenu)) return false;
  LastRootItemId() = record ? record->nID : menu_id::kSeparator;
  return true;
}
