// A stand-in explorer.exe: one "Exploring - C:\" window of class
// ExploreWClass, ending when that window is closed. The command line is
// ignored. STOWPOUCH_FAKE_EXPLORER chooses a misbehaving start instead:
//   busy  never becomes input idle (no window, no message queue), ends after 30 s;
//   fail  ends at once with exit code 1.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstring>

#include "framework/Handles.h"

namespace {

LRESULT CALLBACK ExplorerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  char mode[16] = "";
  const DWORD length = GetEnvironmentVariableA("STOWPOUCH_FAKE_EXPLORER", mode, sizeof mode);
  if (length > 0 && length < sizeof mode) {
    if (std::strcmp(mode, "fail") == 0) return 1;
    if (std::strcmp(mode, "busy") == 0) {
      // Any user32 call that reads the queue would count as idle.
      Sleep(30000);
      return 0;
    }
  }

  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ExplorerWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = "ExploreWClass";
  if (!RegisterClassExA(&windowClass)) return 1;
  // Normally gone before the loop ends: WM_CLOSE destroys it, which ends the loop.
  const UniqueWindow window(CreateWindowExA(0, "ExploreWClass", "Exploring - C:\\",
                                            WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640,
                                            480, nullptr, nullptr, instance, nullptr));
  if (!window) return 1;
  ShowWindow(window.Get(), showCommand);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
