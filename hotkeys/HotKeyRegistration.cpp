#include "hotkeys/HotKeyRegistration.h"

#include <windows.h>

#include "framework/AppWindow.h"
#include "framework/Handles.h"
#include "hotkeys/HotKeyRules.h"

namespace {

// Counts registration attempts for the whole process, so that every atom
// name is new even when a shortcut is registered again.
int g_registrationCounter = 0;

constexpr char kTrialAtomName[] = "TempDupHotKey";

}  // namespace

int32_t RegisterHotKeyItem(int32_t virtualKey, int32_t modifiers) {
  if (virtualKey == 0 || modifiers == 0) return 0;
  const std::string name = HotKeyAtomName(g_registrationCounter++, modifiers, virtualKey);
  UniqueGlobalAtom atom(GlobalAddAtomA(name.c_str()));
  if (atom && RegisterHotKey(MainWindow(), atom.Get(), static_cast<UINT>(modifiers),
                             static_cast<UINT>(virtualKey)))
    return atom.Release();
  atom.Reset();
  AppMessageBox("Cannot Register HotKey. Maybe Hotkey is duplicated.", MB_OK | MB_ICONSTOP);
  return 0;
}

void UnregisterHotKeyItem(int32_t id) {
  if (id == 0) return;
  UnregisterHotKey(MainWindow(), id);
  GlobalDeleteAtom(static_cast<ATOM>(id));
}

const char kHotKeyHeldElsewhereText[] = "This hot key is already defined in other application";

bool HotKeyFree(int32_t virtualKey, int32_t modifiers) {
  // The system knows best who holds a combination: try it for a moment.
  const UniqueGlobalAtom atom(GlobalAddAtomA(kTrialAtomName));
  if (!RegisterHotKey(MainWindow(), atom.Get(), static_cast<UINT>(modifiers),
                      static_cast<UINT>(virtualKey)))
    return false;
  UnregisterHotKey(MainWindow(), atom.Get());
  return true;
}

bool CheckSystemHotKey(int32_t virtualKey, int32_t modifiers, std::string& name) {
  if (const char* reserved = FindReservedHotKey(virtualKey, modifiers)) {
    name = reserved;
    return true;
  }
  if (HotKeyFree(virtualKey, modifiers)) return false;
  name = kHotKeyHeldElsewhereText;
  return true;
}
