#pragma once
// Shortcut keys as global hotkeys of the main window. Each registration
// attempt takes a global atom of its own as the hotkey's id, so ids never
// meet the menu hotkey's, which is its key code (below 0xC000).
#include <cstdint>
#include <string>

// Registers the combination; the id (a global atom) or 0 when nothing was
// registered. Key code 0 or no modifier registers nothing and says nothing;
// a refusal by the system is told in a message box.
int32_t RegisterHotKeyItem(int32_t virtualKey, int32_t modifiers);
// Lets go of a registration and its atom; id 0 does nothing.
void UnregisterHotKeyItem(int32_t id);

// True when the combination cannot be used because the shell reserves it or
// something outside the shortcut list holds it (another program, or this
// one's menu hotkey); `name` then says which.
bool CheckSystemHotKey(int32_t virtualKey, int32_t modifiers, std::string& name);

// True when the combination can be registered now (tried for a moment).
bool HotKeyFree(int32_t virtualKey, int32_t modifiers);
// What the shortcut dialogs say of a combination another program holds.
extern const char kHotKeyHeldElsewhereText[];
