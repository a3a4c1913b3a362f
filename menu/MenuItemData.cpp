#include "menu/MenuItemData.h"

#include <string>

#include "menu/MenuIds.h"

MenuItemData* MenuItemList::NewRecord(int32_t id) {
  auto record = std::make_unique<MenuItemData>();  // value-initialised: all zero
  record->nID = id;
  records_.push_back(std::move(record));
  return records_.back().get();
}

MenuItemData* MenuItemList::Find(int32_t id) const {
  for (const auto& record : records_)
    if (record->nID == id) return record.get();
  return nullptr;
}

void SetMenuWindow(MenuItemData& record, HWND window) {
  record.hWnd = window;
  record.nWindowThread = GetWindowThreadProcessId(window, nullptr);
}

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

namespace {

// The item's text as a menu string: what screen readers and GetMenuString
// give, never seen. An ampersand is doubled, or the menu would take the
// letter after it as the item's mnemonic and choose it without asking us;
// the blanks that make room for a drive's bar are not text.
std::string AccessibleText(const std::string& drawn) {
  const ItemTextParts parts = SplitAtLastTab(drawn);
  std::string shown = WithoutTrailingBlanks(parts.label);
  if (parts.hasKey) shown += '\t' + parts.key;
  std::string text;
  for (const char c : shown) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace

bool AppendOwnerDrawnItem(HMENU menu, MenuItemData* record, HMENU submenu) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
  // A separator is still drawn by us; marked as one, the arrow keys pass it.
  const bool separator = !record || record->nID == menu_id::kSeparator;
  item.fType = separator ? MFT_OWNERDRAW | MFT_SEPARATOR : MFT_OWNERDRAW;
  item.wID = record ? static_cast<UINT>(record->nID) : menu_id::kSeparator;
  item.dwItemData = reinterpret_cast<ULONG_PTR>(record);
  std::string text;
  if (!separator) {
    text = AccessibleText(record->szText);
    item.fMask |= MIIM_STRING;
    item.dwTypeData = &text[0];
  }
  if (submenu) {
    item.fMask |= MIIM_SUBMENU;
    item.hSubMenu = submenu;
  }
  return InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item) != FALSE;
}

bool MenuItemList::AppendRootItem(HMENU root, MenuItemData* record, HMENU submenu) {
  if (!AppendOwnerDrawnItem(root, record, submenu)) return false;
  lastRootId_ = record ? record->nID : menu_id::kSeparator;
  lastRoot_ = record;
  return true;
}
