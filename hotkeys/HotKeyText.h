#pragma once
// How a shortcut's key reads on screen, and the three modifier choice boxes
// of the shortcut properties dialog.
#include <array>
#include <string>
#include <vector>

#include "hotkeys/HotKeyItem.h"

// Modifier prefixes ("Windows+" or "Win+", "Control+" or "Ctrl+", "Alt+",
// "Shift+"), then the key part, which always begins with a blank; the long
// form ends in " key". The long form is for lists and messages, the short
// one for menus.
std::string GetHotKeyText(const CHotKeyItem& item, bool shortForm);
std::string GetHotKeyText(int32_t modifiers, int32_t virtualKey, bool shortForm);

// Entries of each modifier choice box, by index.
enum ModifierChoice : int {
  kChoiceNone = 0,
  kChoiceWindows = 1,
  kChoiceControl = 2,
  kChoiceAlt = 3,
  kChoiceShift = 4,
};
using ModifierCombos = std::array<int, 3>;

// The flags the three boxes select together; a modifier chosen twice counts
// once, an index outside the boxes counts as none.
int32_t ModifiersFromCombos(const ModifierCombos& combos);
// Box indices that select exactly `modifiers` again: one modifier goes into
// the first box and the others say "None"; several fill the boxes in the
// order Windows, Control, Alt, Shift (four cannot fit three boxes and lose
// Shift, the last).
ModifierCombos CombosFromModifiers(int32_t modifiers);

// The modifiers of a shortcut being edited that had `original`: those while
// the boxes still show what CombosFromModifiers(original) put there, since
// four modifiers do not fit three boxes and a new key or command must not
// drop one; otherwise what the boxes select.
int32_t EditedModifiers(int32_t original, const ModifierCombos& combos);

// The box index of a set of exactly one modifier, else kChoiceNone.
int SingleModifierChoice(int32_t modifiers);

// The row of the shortcut list view: the long key text, then what it does
// (the function command's name, or the command and its parameters).
std::vector<std::string> HotKeyRowTexts(const CHotKeyItem& item);
