#include "hotkeys/HotKeys.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "framework/AppWindow.h"
#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyRegistration.h"
#include "hotkeys/HotKeyRules.h"
#include "hotkeys/HotKeyStore.h"

namespace {

void UnregisterAndEmpty() {
  for (const CHotKeyItem& item : HotKeyList()) UnregisterHotKeyItem(item.m_nHotKeyId);
  HotKeyList().clear();
}

bool IsFixedDrive(char letter) {
  const char root[] = {letter, ':', '\\', '\0'};
  return GetDriveTypeA(root) == DRIVE_FIXED;
}

int ShowCommand(int32_t runState) {
  switch (runState) {
    case 0: return SW_SHOWNORMAL;
    case 1: return SW_SHOWMINIMIZED;
    default: return SW_SHOWMAXIMIZED;
  }
}

}  // namespace

bool LoadHotKeyList() {
  const bool read = ReadHotKeyFile(AppendHotKeyItem);
  if (!read) SetDefaultHotKeys();
  return read;
}

void FreeHotKeyList() {
  SaveHotKeyList();
  UnregisterAndEmpty();
}

void SetDefaultHotKeys() {
  UnregisterAndEmpty();
  for (CHotKeyItem& item : DefaultHotKeyItems(IsFixedDrive)) AppendHotKeyItem(std::move(item));
}

void AppendHotKeyItem(CHotKeyItem item) { InsertHotKeyItem(HotKeyList().size(), std::move(item)); }

void InsertHotKeyItem(std::size_t position, CHotKeyItem item) {
  // A refused registration keeps the shortcut, with id 0: it is listed and
  // saved, and never fires.
  item.m_nHotKeyId = RegisterHotKeyItem(item.m_nVirtualKey, item.m_nModifiers);
  HotKeyItems& list = HotKeyList();
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(std::min(position, list.size())),
              std::move(item));
}

bool TakeHotKeyItem(std::size_t position, CHotKeyItem& taken) {
  HotKeyItems& list = HotKeyList();
  if (position >= list.size()) return false;
  taken = std::move(list[position]);
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
  UnregisterHotKeyItem(taken.m_nHotKeyId);
  taken.m_nHotKeyId = 0;
  return true;
}

bool ValidateHotKeyCandidate(int32_t virtualKey, int32_t modifiers, const std::string& command) {
  const std::string problem =
      HotKeyCandidateProblem(virtualKey, modifiers, command, CheckSystemHotKey);
  if (problem.empty()) return true;
  AppMessageBox(problem, MB_OK);
  return false;
}

bool ValidateHotKeyCandidate(int32_t virtualKey, const ModifierCombos& combos,
                             const std::string& command) {
  return ValidateHotKeyCandidate(virtualKey, ModifiersFromCombos(combos), command);
}

void RunHotKeyItem(int32_t id, FunctionCommandRunner runFunctionCommand) {
  const int position = FindHotKeyItemById(id);
  if (position < 0) return;
  // A copy: a function command runs loops of its own, in which a dialog may
  // change the list.
  const CHotKeyItem item = HotKeyList()[static_cast<std::size_t>(position)];
  const int show = ShowCommand(item.m_nRunState);
  switch (item.m_nType) {
    case HOTKEY_FOLDER:
      ShellExecuteA(nullptr, "open", item.m_strCommand.c_str(), nullptr, nullptr, show);
      break;
    case HOTKEY_FILE:
      ShellExecuteA(nullptr, "open", item.m_strCommand.c_str(), item.m_strParameters.c_str(),
                    item.m_strStartIn.c_str(), show);
      break;
    case HOTKEY_FUNCTION:
      runFunctionCommand(item.m_nFunction);
      break;
    default:
      break;
  }
}
