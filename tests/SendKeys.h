#pragma once
// Key presses through the system's input queue, shared by the Windows-side
// and end-to-end tests.
#include <windows.h>

#include <initializer_list>
#include <iterator>
#include <vector>

// One key event as a keyboard makes it, with its scan code: controls that
// read keys as typed (the hot key control among them) get a wrong key
// under Wine from an event without one.
inline INPUT KeyEvent(WORD key, DWORD flags) {
  INPUT event = {};
  event.type = INPUT_KEYBOARD;
  event.ki.wVk = key;
  event.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  event.ki.dwFlags = flags;
  return event;
}

// Presses the keys in order and releases them in reverse, like a person
// holding modifiers.
inline bool SendKeyChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> input;
  for (WORD key : keys) input.push_back(KeyEvent(key, 0));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    input.push_back(KeyEvent(*key, KEYEVENTF_KEYUP));
  const UINT count = static_cast<UINT>(input.size());
  return SendInput(count, input.data(), sizeof(INPUT)) == count;
}
