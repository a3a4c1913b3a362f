#include "hotkeys/HotKeyRules.h"

#include <cstdio>

#include "hotkeys/HotKeyList.h"
#include "common/FunctionCommandTable.h"

namespace {

struct ReservedHotKey {
  int32_t virtualKey;
  int32_t modifiers;
  const char* name;
};

constexpr ReservedHotKey kReservedHotKeys[] = {
    {'D', kModifierWin, "Show Desktop"},
    {'E', kModifierWin, "Windows Explorer"},
    {'F', kModifierWin, "Find Files or Folders..."},
    {'F', kModifierWin | kModifierControl, "Find Computer..."},
    {'M', kModifierWin, "Minimize All Windows"},
    {'M', kModifierWin | kModifierShift, "Undo Minimize All"},
    {'R', kModifierWin, "Run..."},
    {0x70, kModifierWin, "Windows Help"},       // F1
    {0x03, kModifierWin, "System Properties"},  // Break
    {0x09, kModifierWin, "Select Task"},        // Tab
};

struct DefaultFunctionKey {
  int32_t virtualKey;
  int32_t function;
};

constexpr DefaultFunctionKey kDefaultFunctionKeys[] = {
    {'Y', 0},    // My Computer
    {'C', 1},    // Control panel
    {'I', 7},    // web browser
    {0x22, 10},  // Page Down: close every pouch window
    {0x28, 9},   // Down: minimise or restore the pouch
    {0x26, 19},  // Up: minimise applications and restore the pouch, or back
    {'T', 12},   // minimise applications and tile folders
    {0x2D, 14},  // Insert: two Explorer windows side by side
};

constexpr int32_t kFirstDriveKey = '1';
constexpr int32_t kLastDriveKey = '9';

CHotKeyItem DefaultItem(int32_t type, int32_t virtualKey) {
  CHotKeyItem item;
  item.m_nType = type;
  item.m_nModifiers = kModifierWin;
  item.m_nVirtualKey = virtualKey;
  return item;
}

std::string Format(const char* pattern, const std::string& first, const std::string& second) {
  const int length = std::snprintf(nullptr, 0, pattern, first.c_str(), second.c_str());
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  std::snprintf(&text[0], text.size() + 1, pattern, first.c_str(), second.c_str());
  return text;
}

std::string DuplicateMessage(const std::string& keyText, const CHotKeyItem& holder) {
  if (holder.m_nType == HOTKEY_FUNCTION) {
    const char* name = FunctionCommandName(holder.m_nFunction);
    return Format("%s is duplicated with %s command", keyText, name ? name : "");
  }
  return Format("%s is duplicated with opening %s ", keyText, holder.m_strCommand);
}

}  // namespace

const char* FindReservedHotKey(int32_t virtualKey, int32_t modifiers) {
  for (const ReservedHotKey& reserved : kReservedHotKeys)
    if (reserved.virtualKey == virtualKey && reserved.modifiers == modifiers) return reserved.name;
  return nullptr;
}

std::vector<CHotKeyItem> DefaultHotKeyItems(const std::function<bool(char letter)>& isFixedDrive) {
  std::vector<CHotKeyItem> items;
  int32_t nextKey = kFirstDriveKey;
  for (char letter = 'A'; letter <= 'Z' && nextKey <= kLastDriveKey; ++letter) {
    if (!isFixedDrive(letter)) continue;
    CHotKeyItem item = DefaultItem(HOTKEY_FOLDER, nextKey++);
    item.m_strCommand = std::string(1, letter) + ":\\";
    items.push_back(item);
  }
  for (const DefaultFunctionKey& key : kDefaultFunctionKeys) {
    CHotKeyItem item = DefaultItem(HOTKEY_FUNCTION, key.virtualKey);
    item.m_nFunction = key.function;
    items.push_back(item);
  }
  return items;
}

std::string HotKeyAtomName(int counter, int32_t modifiers, int32_t virtualKey) {
  return "Stowpouch" + std::to_string(counter) + std::to_string(SingleModifierChoice(modifiers)) +
         "00" + std::to_string(virtualKey);
}

std::string HotKeyCandidateProblem(int32_t virtualKey, int32_t modifiers,
                                   const std::string& command, const SystemHotKeyCheck& isTaken) {
  if (virtualKey == 0) return "You should select Hot key";
  if (command.empty()) return "You should select Function, Folder, or File";
  if (modifiers == 0) return "Cannot use this hot key.";
  const std::string keyText = GetHotKeyText(modifiers, virtualKey, false);
  const int holder = FindHotKeyItem(virtualKey, modifiers);
  if (holder >= 0) return DuplicateMessage(keyText, HotKeyList()[static_cast<std::size_t>(holder)]);
  std::string name;
  if (isTaken(virtualKey, modifiers, name))
    return Format("%s is duplicated with system key(%s)", keyText, name);
  return {};
}

std::string HotKeyCandidateProblem(int32_t virtualKey, const ModifierCombos& combos,
                                   const std::string& command, const SystemHotKeyCheck& isTaken) {
  return HotKeyCandidateProblem(virtualKey, ModifiersFromCombos(combos), command, isTaken);
}
