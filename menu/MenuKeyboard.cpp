#include "menu/MenuKeyboard.h"

#include <string>
#include <vector>

#include "menu/MenuCharMatch.h"
#include "menu/MenuItemData.h"

LRESULT AnswerMenuChar(HMENU menu, char typed) {
  std::vector<std::string> texts;
  int selected = -1;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_STATE;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    const auto* record = reinterpret_cast<const MenuItemData*>(info.dwItemData);
    texts.emplace_back(record ? record->szText : "");
    if (info.fState & MFS_HILITE) selected = i;
  }
  const int match = MenuCharMatch(texts, selected, typed);
  if (match < 0) return MAKELRESULT(0, MNC_IGNORE);
  // Some menus (Wine's) do not act on MNC_SELECT; a unique letter needs no
  // selection first.
  const UINT action = CountMenuCharMatches(texts, typed) == 1 ? MNC_EXECUTE : MNC_SELECT;
  return MAKELRESULT(static_cast<WORD>(match), action);
}
