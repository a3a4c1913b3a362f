#pragma once
// A shortcut list as a heavy user might keep it, for the load benchmarks:
// folders, programs with parameters and start-in folders, and function
// commands, in turn. Neutral, so both benchmark programs share it.
#include <string>
#include <vector>

#include "hotkeys/HotKeyItem.h"

inline std::vector<CHotKeyItem> BenchHotKeyList(int count) {
  std::vector<CHotKeyItem> items;
  for (int i = 0; i < count; ++i) {
    CHotKeyItem item;
    const std::string number = std::to_string(i);
    item.m_nType = i % 3;
    item.m_nModifiers = 1 + i % 15;
    item.m_nVirtualKey = 0x30 + i % 0x50;
    item.m_nRunState = i % 3;
    if (item.m_nType == HOTKEY_FOLDER) {
      item.m_strCommand = "C:\\Documents and Settings\\User\\Projects\\Folder " + number;
    } else if (item.m_nType == HOTKEY_FILE) {
      item.m_strCommand = "C:\\Program Files\\Some Vendor\\Tool " + number + "\\tool.exe";
      item.m_strParameters = "/open \"C:\\Data\\file " + number + ".txt\" /quiet";
      item.m_strStartIn = "C:\\Data";
    } else {
      item.m_strCommand = "Minimize/Restore All Stowpouch Item";
      item.m_nFunction = i % 20;
    }
    items.push_back(item);
  }
  return items;
}
