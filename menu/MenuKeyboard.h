#pragma once
// Letters typed in the open pouch menu: owner-drawn items have no
// mnemonics, so a letter moves to the next item whose text begins with it.
#include <windows.h>

// The answer to WM_MENUCHAR for `menu`: select the next matching item, or
// ignore the letter (the system then beeps).
LRESULT AnswerMenuChar(HMENU menu, char typed);
