#pragma once
// The drive items of the pouch menu: each drive with its free space as text
// and in megabyte units (1 GB counts 1000) for the free-space bar.
#include <windows.h>

#include <cstdint>
#include <string>

#include "menu/MenuItemData.h"

// The display text ("1.50 GB free", "8.60GB free") and the amount of a
// drive root such as "C:\": its free space, or its size when sizeWanted is
// 1. False when nothing could be read; the amount is then left alone if the
// system has no GetDiskFreeSpaceExA, else 0.
bool FormatDriveSpace(const char* root, std::string& text, int32_t& amount, int sizeWanted);

// Finds the shortcut-key text of a folder path (the shortcut keys'
// FindFolderHotKeyText); the menu is given it, as it sits beside the keys.
using FolderKeyTextFinder = bool (*)(const std::string& path, std::string& text);

// Appends the owner-drawn item of a drive to the root menu, its record to
// `items`. The blanks after the free space reserve room for a bar of
// driveBarWidth pixels, measured in `font` (null: the screen's default).
bool AppendDriveItem(MenuItemList& items, HMENU root, char letter, HFONT font, int driveBarWidth,
                     FolderKeyTextFinder findKeyText);
