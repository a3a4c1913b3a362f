#pragma once
// The process-wide, ordered list of the user's shortcuts and the look-ups on
// it. Positions count from 0 and are the rows of the shortcut list view.
// Every look-up scans from position 0 and the first match wins.
#include <cstddef>
#include <string>
#include <vector>

#include "hotkeys/HotKeyItem.h"

using HotKeyItems = std::vector<CHotKeyItem>;

// Lives from start-up to shutdown; filled from "HotKey.lst" at start.
HotKeyItems& HotKeyList();

// A shortcut taken out of the list while the properties dialog edits it (so
// that its own key does not count as taken), for as long as this lives.
// Saves made meanwhile, at the end of the session, write it at its place as
// it was, so that nothing is lost.
class EditedHotKeyItem {
 public:
  EditedHotKeyItem(std::size_t position, CHotKeyItem item);
  ~EditedHotKeyItem();
  EditedHotKeyItem(const EditedHotKeyItem&) = delete;
  EditedHotKeyItem& operator=(const EditedHotKeyItem&) = delete;

 private:
  friend HotKeyItems HotKeyListToSave();
  std::size_t position_;
  CHotKeyItem item_;
  EditedHotKeyItem* outer_;  // one taken out before this, if any
};

// HotKeyList with every shortcut out for editing back at its place.
HotKeyItems HotKeyListToSave();

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
