// The pouch menu's sections as built: identifiers, texts with their key
// column, the records behind the items, and the limits of the ranges.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Handles.h"
#include "hotkeys/HotKeyList.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"
#include "menu/MenuKeyboard.h"
#include "menu/PouchMenuSections.h"

namespace {

struct Item {
  int32_t id;
  std::string text;  // empty for separators
  bool operator==(const Item& other) const { return id == other.id && text == other.text; }
};

std::ostream& operator<<(std::ostream& out, const Item& item) {
  return out << item.id << " \"" << item.text << "\"";
}

std::vector<Item> ItemsOf(HMENU menu) {
  std::vector<Item> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_ID | MIIM_FTYPE;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    const auto* record = reinterpret_cast<const MenuItemData*>(info.dwItemData);
    if (record) {
      EXPECT_EQ(static_cast<UINT>(record->nID), info.wID);
    }
    if (!(info.fType & MFT_SEPARATOR)) {
      EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << i;
    }
    // Screen readers read the menu string: the drawn text, its ampersands
    // doubled so that none reads as a mnemonic.
    char string[2 * MAX_PATH] = "";
    GetMenuStringA(menu, static_cast<UINT>(i), string, sizeof string, MF_BYPOSITION);
    std::string drawn = record ? record->szText : "";
    for (std::size_t at = drawn.find('&'); at != std::string::npos; at = drawn.find('&', at + 2))
      drawn.insert(at, 1, '&');
    EXPECT_EQ(string, drawn) << i;
    items.push_back({static_cast<int32_t>(info.wID), record ? record->szText : ""});
  }
  return items;
}

class PouchMenuSectionsTest : public testing::Test {
 protected:
  void TearDown() override { HotKeyList().clear(); }

  MenuItemList items_;  // one opening's records
};

TEST_F(PouchMenuSectionsTest, FunctionSubmenuListsTheActionRowsWithTheirKeys) {
  CHotKeyItem shortcut;
  shortcut.m_nType = HOTKEY_FUNCTION;
  shortcut.m_nFunction = 17;
  shortcut.m_nModifiers = MOD_WIN;
  shortcut.m_nVirtualKey = 'H';
  HotKeyList().push_back(shortcut);

  const UniqueMenu submenu(CreatePopupMenu());
  FillFunctionSubmenu(items_, submenu.Get());
  const std::vector<Item> expected = {
      {2925, "Minimize/Restore All Stowpouch Item"},
      {2926, "Close All Stowpouch Item"},
      {2927, "Minimize Applications and Tile Folders"},
      {2928, "Run Double Explorer(Horizontal)"},
      {2929, "Run Double Explorer(Vertical)"},
      {2930, "Run Quad Explorer"},
      {2931, "Show/Hide All Application\tWin+ H"},
      {2932, "Min/Res Applications and Res/Min Stowpouch items"}};
  EXPECT_EQ(ItemsOf(submenu.Get()), expected);
  EXPECT_EQ(items_.Find(2931)->nFunction, 17);
}

TEST_F(PouchMenuSectionsTest, KindSubmenusListOnlyKindsWithWindows) {
  const UniqueMenu close(CreatePopupMenu());
  FillKindSubmenu(items_, close.Get(), {2, 0, 1, 0, 0}, {2425, 2523, 108, 10});
  const std::vector<Item> expected = {
      {2425, "Folder"}, {2427, "Internet Explorer"}, {0, ""}, {2523, "Close All"}};
  EXPECT_EQ(ItemsOf(close.Get()), expected);

  const UniqueMenu minimize(CreatePopupMenu());
  FillKindSubmenu(items_, minimize.Get(), {0, 0, 0, 0, 3}, {2525, 2623, 109, 9});
  const std::vector<Item> expectedMinimize = {
      {2529, "User defined application"}, {0, ""}, {2623, "Miminize All"}};
  EXPECT_EQ(ItemsOf(minimize.Get()), expectedMinimize);
}

TEST_F(PouchMenuSectionsTest, WindowItemsCutLongTitlesAndStopAtTheEndOfTheirRange) {
  const UniqueMenu root(CreatePopupMenu());
  KindTitles many;
  const HWND window = GetDesktopWindow();
  many.titles.assign(120, std::string(300, 'x'));
  many.titles[1] = "Tom & Jerry &Co";
  many.windows.assign(120, window);
  int32_t listed = 0;
  AppendPouchWindowItems(items_, root.Get(), 4, many, listed);

  EXPECT_EQ(listed, 100);
  const std::vector<Item> items = ItemsOf(root.Get());
  ASSERT_EQ(items.size(), 100u);
  EXPECT_EQ(items.front().id, 2724);
  EXPECT_EQ(items.back().id, 2823);
  EXPECT_EQ(items_.LastRootItemId(), 2823);
  EXPECT_EQ(items.back().text, std::string(259, 'x'));
  EXPECT_EQ(items[1].text, "Tom & Jerry &Co");
  const MenuItemData* record = items_.Find(2800);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->hWnd, window);
  EXPECT_EQ(record->nKind, 4);
}

// One item beginning with the letter is chosen at once, as a mnemonic is.
TEST_F(PouchMenuSectionsTest, ALetterSelectsTheNextItemBeginningWithIt) {
  const UniqueMenu root(CreatePopupMenu());
  for (const char* title : {"apple", "Banana", "avocado"}) {
    const int32_t last = items_.LastRootItemId();
    MenuItemData* record = items_.NewRecord(last < 0 ? 2724 : last + 1);
    SetMenuText(record->szText, title);
    items_.AppendRootItem(root.Get(), record);
  }
  items_.AppendRootItem(root.Get(), nullptr);  // a separator
  EXPECT_EQ(AnswerMenuChar(root.Get(), 'A'), MAKELRESULT(0, MNC_SELECT));
  EXPECT_EQ(AnswerMenuChar(root.Get(), 'b'), MAKELRESULT(1, MNC_EXECUTE));
  MENUITEMINFOA selected{};
  selected.cbSize = sizeof selected;
  selected.fMask = MIIM_STATE;
  selected.fState = MFS_HILITE;
  ASSERT_TRUE(SetMenuItemInfoA(root.Get(), 0, TRUE, &selected));
  EXPECT_EQ(AnswerMenuChar(root.Get(), 'a'), MAKELRESULT(2, MNC_SELECT));
  EXPECT_EQ(AnswerMenuChar(root.Get(), 'z'), MAKELRESULT(0, MNC_IGNORE));
}

}  // namespace
