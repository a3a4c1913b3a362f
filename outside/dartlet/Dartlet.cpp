// Dartlet.exe: started from the Quick Launch shortcut, it hands the click to
// the running Stowpouch and ends. Exit code 0 when the message was posted,
// 1 when Stowpouch is not running.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "common/SharedNames.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const HWND stowpouch = FindWindowA(STOWPOUCH_WINDOW_CLASS, nullptr);
  if (stowpouch == nullptr) return 1;
  const UINT message = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME);
  return message != 0 && PostMessageA(stowpouch, message, kMsgLaunchShortcut, 0) ? 0 : 1;
}
