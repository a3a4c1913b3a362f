#pragma once
// The record behind each owner-drawn item of the pouch menu, and the list
// of one opening's records. Records live at a fixed address from their
// creation until the menu's teardown: the items point at them.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "menu/MenuLayout.h"

struct MenuItemData {
  char szText[MAX_PATH];  // may hold a tab and a shortcut-key text
  HWND hWnd;              // pouch-window items
  int32_t nID;            // the item's command identifier
  int32_t nFreeMB;        // drives: free space in MB units (1 GB = 1000), -1 unknown
  int32_t nTotalMB;       // drives: size in the same units, 0 unknown
  char szPath[MAX_PATH];      // desktop entries: what is opened
  char szIconPath[MAX_PATH];  // desktop shortcuts: the icon location file
  uint16_t nIconIndex;        // desktop shortcuts: the icon index
  int32_t nKind;              // pouch-window items: the WindowKind
  int32_t nFunction;          // function items: the index in the function table
  DWORD nWindowThread;        // pouch-window items: the thread that owned hWnd
};

// Makes a record stand for a pouch window: the handle and the thread that
// owns it now, so that a handle reused while the menu was open is not taken
// for the listed window.
void SetMenuWindow(MenuItemData& record, HWND window);

// Whether the byte begins a double-byte character in the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

// Copies text into a record's text field, cut to what the field holds and
// never inside a double-byte character.
template <std::size_t N>
void SetMenuText(char (&field)[N], const std::string& text) {
  const std::size_t length = CutLength(text, N - 1, IsAnsiLeadByte);
  text.copy(field, length);
  field[length] = '\0';
}

// The records of one opening of the menu, in creation order, and which of
// them the root menu ends with.
class MenuItemList {
 public:
  MenuItemList() = default;
  MenuItemList(const MenuItemList&) = delete;
  MenuItemList& operator=(const MenuItemList&) = delete;

  // A new zeroed record with the identifier, appended to the list.
  MenuItemData* NewRecord(int32_t id);
  // The record with this identifier; null if none.
  MenuItemData* Find(int32_t id) const;
  std::size_t Size() const { return records_.size(); }
  const MenuItemData* Back() const { return records_.empty() ? nullptr : records_.back().get(); }

  // The identifier of the item last appended to the root menu; -1 before
  // the first.
  int32_t LastRootItemId() const { return lastRootId_; }
  // Whether the item carrying `record` is the root's last, where the logo
  // band ends. A separator of the root has a record of its own for this:
  // every separator has the same identifier.
  bool IsLastRootItem(const MenuItemData* record) const {
    return record && record == lastRoot_;
  }
  // Appends an owner-drawn item to the root menu (see AppendOwnerDrawnItem)
  // and makes it the last root item.
  bool AppendRootItem(HMENU root, MenuItemData* record, HMENU submenu = nullptr);

 private:
  std::vector<std::unique_ptr<MenuItemData>> records_;
  int32_t lastRootId_ = -1;
  const MenuItemData* lastRoot_ = nullptr;
};

// Appends an owner-drawn item carrying `record` (null, or a record with the
// separator's identifier, for a separator);
// `submenu` makes it the entry that opens that submenu.
bool AppendOwnerDrawnItem(HMENU menu, MenuItemData* record, HMENU submenu = nullptr);
