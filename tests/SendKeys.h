#pragma once
// Key presses through the system's input queue, shared by the Windows-side
// and end-to-end tests.
#include <windows.h>

#include <initializer_list>
#include <iterator>
#include <vector>

// Presses the keys in order and releases them in reverse, like a person
// holding modifiers.
inline bool SendKeyChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> input;
  for (WORD key : keys) {
    INPUT down = {};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = key;
    input.push_back(down);
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    INPUT up = {};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *key;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    input.push_back(up);
  }
  const UINT count = static_cast<UINT>(input.size());
  return SendInput(count, input.data(), sizeof(INPUT)) == count;
}
