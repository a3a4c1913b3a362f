#include "tests/support/TestSupport.h"

#include <iterator>

namespace test_support {

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
  const ULONGLONG deadline = GetTickCount64() + ms;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}

std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length < MAX_PATH ? length : 0);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

INPUT KeyEvent(WORD key, DWORD flags) {
  INPUT event = {};
  event.type = INPUT_KEYBOARD;
  event.ki.wVk = key;
  event.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  event.ki.dwFlags = flags;
  return event;
}

bool SendEvents(const std::vector<INPUT>& events) {
  const UINT count = static_cast<UINT>(events.size());
  return SendInput(count, const_cast<INPUT*>(events.data()), sizeof(INPUT)) == count;
}

bool PressKey(WORD key) { return SendEvents({KeyEvent(key, 0), KeyEvent(key, KEYEVENTF_KEYUP)}); }

bool SendKeyChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> events;
  for (WORD key : keys) events.push_back(KeyEvent(key, 0));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    events.push_back(KeyEvent(*key, KEYEVENTF_KEYUP));
  return SendEvents(events);
}

bool SendKeyStrokes(std::initializer_list<int> strokes) {
  std::vector<INPUT> events;
  for (int stroke : strokes)
    events.push_back(KeyEvent(static_cast<WORD>(stroke < 0 ? -stroke : stroke), stroke < 0 ? KEYEVENTF_KEYUP : 0));
  return SendEvents(events);
}

INPUT MouseAt(int x, int y) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Rounded up, so that the pixel they map back to is the one asked for.
  input.mi.dx = static_cast<LONG>(((x - left) * 65536LL + width - 1) / width);
  input.mi.dy = static_cast<LONG>(((y - top) * 65536LL + height - 1) / height);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return input;
}

bool ClickAt(int x, int y, bool rightButton, int clicks) {
  std::vector<INPUT> events(1 + 2 * static_cast<std::size_t>(clicks), MouseAt(x, y));
  events[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
  for (std::size_t i = 1; i < events.size(); i += 2) {
    events[i].mi.dwFlags |= rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    events[i + 1].mi.dwFlags |= rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  }
  return SendEvents(events);
}

}  // namespace test_support
