#pragma once
// Carries out the item chosen in the pouch menu.
#include <windows.h>

#include <cstdint>

// Acts on the identifier that tracking `root` returned, while the menu and
// its records still exist. 0 (nothing chosen), the entries that open a
// submenu and unknown identifiers do nothing.
void ExecuteMenuCommand(HMENU root, int32_t id);

// The record of the item with this command identifier, searched by command
// through `root` and its submenus; null when there is none.
struct MenuItemData;
MenuItemData* FetchMenuItemRecord(HMENU root, int32_t id);
