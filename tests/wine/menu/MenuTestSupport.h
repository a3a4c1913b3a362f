#pragma once
// What the menu tests share: COM for the thread, and reading an item of a
// menu back through the platform.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/Handles.h"
#include "menu/MenuItemData.h"

namespace menu_test {

class MenuTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }

  MenuItemList items_;  // one opening's records
};

struct ItemSeen {
  UINT id = 0;
  bool ownerDrawn = false;
  const MenuItemData* record = nullptr;
};

// The item at `position`, its data read as the record it must point at.
inline ItemSeen ItemAt(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE;
  ItemSeen seen;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return seen;
  seen.id = info.wID;
  seen.ownerDrawn = (info.fType & MFT_OWNERDRAW) != 0;
  seen.record = reinterpret_cast<const MenuItemData*>(info.dwItemData);
  return seen;
}

}  // namespace menu_test
