#pragma once
// The shortcut list's life with the main window: loaded and registered at
// start-up, saved and let go at shutdown, reset to the default set, checked
// before a shortcut is added or changed, and carried out when its key is
// pressed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hotkeys/HotKeyText.h"

// Reads "HotKey.lst", registering each shortcut and appending it to
// HotKeyList; when the file is missing or broken, installs the default set
// instead. True when the file was read. Needs the main window.
bool LoadHotKeyList();
// Saves the list, unregisters every shortcut in list order and empties it.
void FreeHotKeyList();
// Replaces the whole list with the default set, each shortcut registered.
void SetDefaultHotKeys();

// Changes from the shortcut dialogs, each registered or let go at once. A
// refused registration keeps the shortcut with id 0, as at start-up.
void AppendHotKeyItem(CHotKeyItem item);
// At `position`, or at the end when the list is shorter.
void InsertHotKeyItem(std::size_t position, CHotKeyItem item);
// Unregisters the shortcut at `position` and takes it out of the list;
// false when there is none there.
bool TakeHotKeyItem(std::size_t position, CHotKeyItem& taken);

// Whether a shortcut about to be added or edited may be used; when not, a
// message box has said why.
bool ValidateHotKeyCandidate(int32_t virtualKey, int32_t modifiers, const std::string& command);
bool ValidateHotKeyCandidate(int32_t virtualKey, const ModifierCombos& combos,
                             const std::string& command);

// Carries out a function command by its index in the function-command
// table; the program's one lives with the pouch menu, above this layer.
using FunctionCommandRunner = void (*)(int index);

// Carries out the shortcut registered under `id`: folders and files through
// the shell, function commands through `runFunctionCommand`. An unknown id
// does nothing.
void RunHotKeyItem(int32_t id, FunctionCommandRunner runFunctionCommand);
