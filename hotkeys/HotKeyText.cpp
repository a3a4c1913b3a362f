#include "hotkeys/HotKeyText.h"

#include "common/FunctionCommandTable.h"

namespace {

struct ModifierName {
  int32_t flag;
  const char* longName;
  const char* shortName;
  int choice;
};

// Display order of the prefixes, which is also the order in which several
// modifiers fill the choice boxes.
constexpr ModifierName kModifierNames[] = {
    {kModifierWin, "Windows+", "Win+", kChoiceWindows},
    {kModifierControl, "Control+", "Ctrl+", kChoiceControl},
    {kModifierAlt, "Alt+", "Alt+", kChoiceAlt},
    {kModifierShift, "Shift+", "Shift+", kChoiceShift},
};

struct NamedKey {
  int32_t code;
  const char* part;
};

constexpr NamedKey kNamedKeys[] = {
    {0x08, " Back"},          {0x09, " TAB"},          {0x1B, " ESC"},
    {0x20, " SPACE"},         {0x21, " PAGE UP"},      {0x22, " PAGE DOWN"},
    {0x23, " END"},           {0x24, " HOME"},         {0x25, " Left direction"},
    {0x26, " Up direction"},  {0x27, " Right direction"}, {0x28, " Down direction"},
    {0x2D, " INSERT"},        {0x2E, " DELETE"},       {0x6A, " Numpad *"},
    {0x6B, " Numpad +"},      {0x6D, " Numpad -"},     {0x6E, " Numpad ."},
    {0x6F, " Numpad /"},
};

constexpr int32_t kNumpad0 = 0x60, kNumpad9 = 0x69;
constexpr int32_t kF1 = 0x70, kF24 = 0x87;

bool IsPunctuation(int32_t code) {
  return (code >= 0xBA && code <= 0xC0) || (code >= 0xDB && code <= 0xDF);
}

std::string KeyPart(int32_t code) {
  for (const NamedKey& key : kNamedKeys)
    if (key.code == code) return key.part;
  if (code >= kNumpad0 && code <= kNumpad9) return " Numpad " + std::to_string(code - kNumpad0);
  if (code >= kF1 && code <= kF24) return " F" + std::to_string(code - kF1 + 1);
  if (IsPunctuation(code)) return " Punctuation";
  // Codes from a damaged file may be negative; they name no key either.
  if (code < 0 || code >= 0x80) return "";
  // Letters and digits are their own names. Code 0 ends the text as a
  // terminating zero would.
  if (code == 0) return " ";
  char character = static_cast<char>(code);
  if (character >= 'a' && character <= 'z') character = static_cast<char>(character - 'a' + 'A');
  return std::string(" ") + character;
}

int ChoiceOf(int32_t flag) {
  for (const ModifierName& name : kModifierNames)
    if (name.flag == flag) return name.choice;
  return kChoiceNone;
}

int32_t FlagOf(int choice) {
  for (const ModifierName& name : kModifierNames)
    if (name.choice == choice) return name.flag;
  return 0;
}

}  // namespace

std::string GetHotKeyText(int32_t modifiers, int32_t virtualKey, bool shortForm) {
  std::string text;
  for (const ModifierName& name : kModifierNames)
    if (modifiers & name.flag) text += shortForm ? name.shortName : name.longName;
  text += KeyPart(virtualKey);
  if (!shortForm) text += " key";
  return text;
}

std::string GetHotKeyText(const CHotKeyItem& item, bool shortForm) {
  return GetHotKeyText(item.m_nModifiers, item.m_nVirtualKey, shortForm);
}

int32_t ModifiersFromCombos(const ModifierCombos& combos) {
  int32_t modifiers = 0;
  for (int choice : combos) modifiers |= FlagOf(choice);
  return modifiers;
}

ModifierCombos CombosFromModifiers(int32_t modifiers) {
  ModifierCombos combos = {kChoiceNone, kChoiceNone, kChoiceNone};
  std::size_t box = 0;
  for (const ModifierName& name : kModifierNames)
    if ((modifiers & name.flag) && box < combos.size()) combos[box++] = name.choice;
  return combos;
}

int32_t EditedModifiers(int32_t original, const ModifierCombos& combos) {
  return combos == CombosFromModifiers(original) ? original : ModifiersFromCombos(combos);
}

int SingleModifierChoice(int32_t modifiers) { return ChoiceOf(modifiers); }

std::vector<std::string> HotKeyRowTexts(const CHotKeyItem& item) {
  if (item.m_nType == HOTKEY_FUNCTION) {
    const char* name = FunctionCommandName(item.m_nFunction);
    return {GetHotKeyText(item, false), name ? name : "", ""};
  }
  return {GetHotKeyText(item, false), item.m_strCommand, item.m_strParameters};
}
