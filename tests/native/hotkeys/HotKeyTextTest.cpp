#include "hotkeys/HotKeyText.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
  int32_t code;
  const char* part;
};

TEST(HotKeyText, KeyPartsAtTheEdgesOfEachRange) {
  const KeyCase cases[] = {
      {0x08, " Back"},       {0x09, " TAB"},           {0x1B, " ESC"},
      {0x20, " SPACE"},      {0x21, " PAGE UP"},       {0x22, " PAGE DOWN"},
      {0x23, " END"},        {0x24, " HOME"},          {0x25, " Left direction"},
      {0x26, " Up direction"}, {0x27, " Right direction"}, {0x28, " Down direction"},
      {0x2D, " INSERT"},     {0x2E, " DELETE"},        {0x2F, " /"},
      {0x30, " 0"},          {0x39, " 9"},             {0x41, " A"},
      {0x5A, " Z"},          {0x5F, " _"},             {0x60, " Numpad 0"},
      {0x69, " Numpad 9"},   {0x6A, " Numpad *"},      {0x6B, " Numpad +"},
      {0x6C, " L"},          {0x6D, " Numpad -"},      {0x6E, " Numpad ."},
      {0x6F, " Numpad /"},   {0x70, " F1"},            {0x7B, " F12"},
      {0x7F, " F16"},        {0x80, " F17"},           {0x87, " F24"},
      {0x88, ""},            {0x90, ""},               {0xB9, ""},
      {0xBA, " Punctuation"}, {0xC0, " Punctuation"},  {0xC1, ""},
      {0xDA, ""},            {0xDB, " Punctuation"},   {0xDF, " Punctuation"},
      {0xE0, ""},            {0xFF, ""},               {0x100, ""},
      {-1, ""},              {0, " "},                {0x03, " \x03"},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(GetHotKeyText(0, c.code, true), c.part) << std::hex << c.code;
    EXPECT_EQ(GetHotKeyText(0, c.code, false), std::string(c.part) + " key") << std::hex << c.code;
  }
}

TEST(HotKeyText, ModifiersInFixedOrderLongAndShort) {
  EXPECT_EQ(GetHotKeyText(8, 'Y', false), "Windows+ Y key");
  EXPECT_EQ(GetHotKeyText(8, 'Y', true), "Win+ Y");
  EXPECT_EQ(GetHotKeyText(2 | 1, 0x74, false), "Control+Alt+ F5 key");
  EXPECT_EQ(GetHotKeyText(2 | 1, 0x74, true), "Ctrl+Alt+ F5");
  EXPECT_EQ(GetHotKeyText(1 | 2 | 4 | 8, 'K', false), "Windows+Control+Alt+Shift+ K key");
  EXPECT_EQ(GetHotKeyText(1 | 2 | 4 | 8, 'K', true), "Win+Ctrl+Alt+Shift+ K");
  EXPECT_EQ(GetHotKeyText(8, 0x90, false), "Windows+ key");  // Num Lock has no name
  EXPECT_EQ(GetHotKeyText(8, 0x90, true), "Win+");
  EXPECT_EQ(GetHotKeyText(0x4000 | 4, 'A', true), "Shift+ A");  // unknown flags show nothing
  CHotKeyItem item;
  item.m_nModifiers = 8;
  item.m_nVirtualKey = 0x22;
  EXPECT_EQ(GetHotKeyText(item, false), "Windows+ PAGE DOWN key");
}

TEST(ModifierCombos, SingleModifiersAndTheBoxIndices) {
  EXPECT_EQ(CombosFromModifiers(0), (ModifierCombos{0, 0, 0}));
  EXPECT_EQ(CombosFromModifiers(8), (ModifierCombos{1, 0, 0}));
  EXPECT_EQ(CombosFromModifiers(2), (ModifierCombos{2, 0, 0}));
  EXPECT_EQ(CombosFromModifiers(1), (ModifierCombos{3, 0, 0}));
  EXPECT_EQ(CombosFromModifiers(4), (ModifierCombos{4, 0, 0}));
  EXPECT_EQ(ModifiersFromCombos({1, 2, 3}), 8 | 2 | 1);
  EXPECT_EQ(ModifiersFromCombos({4, 4, 0}), 4);  // chosen twice counts once
  EXPECT_EQ(ModifiersFromCombos({0, 0, 0}), 0);
  EXPECT_EQ(ModifiersFromCombos({-1, 5, 2}), 2);  // outside the boxes: none
}

TEST(ModifierCombos, EverySetThatFitsThreeBoxesRoundTrips) {
  for (int32_t set = 0; set < 16; ++set) {
    const ModifierCombos combos = CombosFromModifiers(set);
    for (int choice : combos) EXPECT_TRUE(choice >= 0 && choice <= 4) << set;
    if (set == 15) {
      // Four modifiers cannot fit three boxes; Shift, the last, is left out.
      EXPECT_EQ(ModifiersFromCombos(combos), 8 | 2 | 1);
    } else {
      EXPECT_EQ(ModifiersFromCombos(combos), set) << set;
    }
  }
}

TEST(ModifierCombos, AnEditKeepsEveryOriginalModifierUntilTheBoxesChange) {
  constexpr int32_t kAll = 8 | 2 | 1 | 4;
  EXPECT_EQ(EditedModifiers(kAll, CombosFromModifiers(kAll)), kAll);
  EXPECT_EQ(EditedModifiers(kAll, {1, 2, 0}), 8 | 2);
  EXPECT_EQ(EditedModifiers(kAll, {1, 2, 4}), 8 | 2 | 4);
  EXPECT_EQ(EditedModifiers(8, {0, 0, 0}), 0);
  EXPECT_EQ(EditedModifiers(2 | 4, {4, 2, 0}), 2 | 4);  // the same set, chosen otherwise
}

TEST(HotKeyRowTexts, FunctionsShowTheirNameAndNoParameters) {
  CHotKeyItem item;
  item.m_nType = HOTKEY_FUNCTION;
  item.m_nFunction = 10;
  item.m_strCommand = "stale name";
  item.m_strParameters = "left over from a file";
  item.m_nModifiers = kModifierWin;
  item.m_nVirtualKey = 'C';
  EXPECT_EQ(HotKeyRowTexts(item),
            (std::vector<std::string>{"Windows+ C key", "Close All Stowpouch Item", ""}));
  item.m_nFunction = 20;  // past the table: no name rather than a crash
  EXPECT_EQ(HotKeyRowTexts(item)[1], "");
  item.m_nType = HOTKEY_FILE;
  item.m_strStartIn = "C:\\Work";  // used when run, shown nowhere
  EXPECT_EQ(HotKeyRowTexts(item),
            (std::vector<std::string>{"Windows+ C key", "stale name", "left over from a file"}));
}

}  // namespace
