#pragma once
// One user shortcut key: a key and its modifiers, and what pressing it does.
#include <cstdint>
#include <string>

// What a shortcut does, as stored in m_nType.
enum HotKeyType : int32_t {
  HOTKEY_FOLDER = 0,    // open the folder m_strCommand
  HOTKEY_FILE = 1,      // run the file m_strCommand
  HOTKEY_FUNCTION = 2,  // carry out function command m_nFunction
};

// RegisterHotKey's modifier flags, spelled out so that neutral code needs no
// windows.h.
constexpr int32_t kModifierAlt = 0x1;
constexpr int32_t kModifierControl = 0x2;
constexpr int32_t kModifierShift = 0x4;
constexpr int32_t kModifierWin = 0x8;

// A copyable value. The field order is that of the records of "HotKey.lst"
// (except the id, which lives only in memory).
struct CHotKeyItem {
  int32_t m_nType = HOTKEY_FOLDER;
  // Folder path (a drive as its root with the backslash), file path, or the
  // function command's name as it was shown when chosen (display only).
  std::string m_strCommand;
  int32_t m_nFunction = 0;  // index into FunctionCommandTable
  std::string m_strParameters;
  std::string m_strStartIn;
  int32_t m_nRunState = 0;   // 0 normal window, 1 minimised, 2 maximised
  int32_t m_nHotKeyId = 0;   // the registered global atom; 0 while not registered
  int32_t m_nModifiers = 0;  // kModifier* flags
  int32_t m_nVirtualKey = 0;
};
