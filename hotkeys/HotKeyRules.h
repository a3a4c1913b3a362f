#pragma once
// The fixed rules of the shortcut keys: the combinations the desktop shell
// keeps for itself, the default set, the names of the registration atoms and
// the checks a new or edited shortcut must pass.
#include <functional>
#include <string>
#include <vector>

#include "hotkeys/HotKeyItem.h"
#include "hotkeys/HotKeyText.h"

// The name of a combination the shell reserves (Windows + D and nine more),
// or null.
const char* FindReservedHotKey(int32_t virtualKey, int32_t modifiers);

// The default set: Windows + 1 up to Windows + 9 for the fixed drives in
// letter order (the scan stops after the ninth, so `isFixedDrive` is not
// asked about the letters after it), then eight function shortcuts.
std::vector<CHotKeyItem> DefaultHotKeyItems(const std::function<bool(char letter)>& isFixedDrive);

// Name of the global atom of a registration attempt: "Stowpouch", the
// process's attempt counter, the choice-box index of a single modifier (0
// for none or several), 0, 0, and the key code, all in decimal.
std::string HotKeyAtomName(int counter, int32_t modifiers, int32_t virtualKey);

// Answers whether the combination is taken outside the shortcut list and,
// if so, by what.
using SystemHotKeyCheck =
    std::function<bool(int32_t virtualKey, int32_t modifiers, std::string& name)>;

// Why a shortcut about to be added or edited cannot be used, as told to the
// user; empty when it can. The checks run in a fixed order and the first
// that fails gives the message: no key, no command, no modifier, a shortcut
// of the list with the same key (the one being edited is out of the list),
// then `isTaken`.
std::string HotKeyCandidateProblem(int32_t virtualKey, int32_t modifiers,
                                   const std::string& command, const SystemHotKeyCheck& isTaken);
// The same for the modifiers the three boxes select.
std::string HotKeyCandidateProblem(int32_t virtualKey, const ModifierCombos& combos,
                                   const std::string& command, const SystemHotKeyCheck& isTaken);
