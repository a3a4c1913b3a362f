#pragma once
// The sections of the pouch menu built from the function table, the
// shortcut keys and the live pouch: the Function Command, Close and
// Minimize submenus with their root entries, and one root item per pouch
// window. Every item is owner-drawn and carries a record of the opening's
// MenuItemList.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "menu/MenuItemData.h"
#include "windows/WindowLists.h"

using KindCounts = std::array<std::size_t, kWindowKindCount>;
KindCounts CountKinds(const PouchLists& lists);

// A root separator, unless the root is still empty.
void AppendSectionSeparator(MenuItemList& items, HMENU root);

// Appends to the root the entry `id` named by string `nameId` that opens
// `submenu`; on failure destroys the submenu, which then belongs to nobody.
// Either way the submenu must not be destroyed on its own afterwards.
bool AppendSubmenuEntry(MenuItemList& items, HMENU root, HMENU submenu, int32_t id,
                        UINT nameId);

// Fills `submenu` with the eight action rows of the function table from
// index 9 on, each with its shortcut key text after a tab.
void FillFunctionSubmenu(MenuItemList& items, HMENU submenu);

// What a Close or Minimize submenu lists: one item per kind that has
// windows (`firstKindId` + kind), a plain separator, then the item for every
// kind, named by string `allNameId` and followed by the key text of function
// command `allFunction`.
struct KindSubmenu {
  int32_t firstKindId;
  int32_t allId;
  UINT allNameId;
  int allFunction;
};
void FillKindSubmenu(MenuItemList& items, HMENU submenu, const KindCounts& counts,
                     const KindSubmenu& kinds);

// One kind's windows with their titles, as the menu lists them.
struct KindTitles {
  std::vector<std::string> titles;
  std::vector<HWND> windows;
};
KindTitles ReadKindTitles(const WindowList& windows);

// Appends one root item per window of `kind`, identifiers counting on from
// `listed` (windows beyond the range are left out).
void AppendPouchWindowItems(MenuItemList& items, HMENU root, int kind,
                            const KindTitles& kindTitles, int32_t& listed);
