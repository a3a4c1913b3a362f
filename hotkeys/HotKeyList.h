#pragma once
// The process-wide, ordered list of the user's shortcuts and the look-ups on
// it. Positions count from 0 and are the rows of the shortcut list view.
// Every look-up scans from position 0 and the first match wins.
#include <string>
#include <vector>

#include "hotkeys/HotKeyItem.h"

using HotKeyItems = std::vector<CHotKeyItem>;

// Lives from start-up to shutdown; filled from "HotKey.lst" at start.
HotKeyItems& HotKeyList();

// Position of the first item with that key and exactly that modifier set,
// or -1.
int FindHotKeyItem(int32_t virtualKey, int32_t modifiers);
// Position of the first item registered under `id`, or -1 (also for id 0,
// which no registered item has).
int FindHotKeyItemById(int32_t id);

// For the pouch menu: the short key text of the first folder item whose path
// is `path` byte for byte (case counts), or of the first function item for
// function command `index`. `text` is left alone when there is none.
bool FindFolderHotKeyText(const std::string& path, std::string& text);
bool FindFunctionHotKeyText(int index, std::string& text);
