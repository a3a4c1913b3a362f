#include "tests/support/helper/HelperLoop.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/Handles.h"
#include "tests/support/helper/HelperClient.h"

namespace helper {

namespace {

RequestHandler g_handler = nullptr;
HWND g_control = nullptr;

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COPYDATA:
      return g_handler(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

DWORD ClientProcessId(const char* commandLine) {
  const char* option = std::strstr(commandLine, kClientOption);
  if (!option) return 0;
  return static_cast<DWORD>(std::strtoul(option + std::strlen(kClientOption), nullptr, 10));
}

}  // namespace

HWND HelperControlWindow() { return g_control; }

int RunHelper(HINSTANCE instance, const char* commandLine, const char* controlClass,
              RequestHandler handler) {
  g_handler = handler;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ControlWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = controlClass;
  if (!RegisterClassExA(&windowClass)) return 1;

  UniqueKernelHandle client;
  if (const DWORD clientId = ClientProcessId(commandLine ? commandLine : "")) {
    client.Reset(OpenProcess(SYNCHRONIZE, FALSE, clientId));
    if (!client) return 1;  // the client is gone already
  }

  const std::string title = std::to_string(GetCurrentProcessId());
  UniqueWindow control(CreateWindowExA(0, controlClass, title.c_str(), 0, 0, 0, 0, 0,
                                       HWND_MESSAGE, nullptr, instance, nullptr));
  if (!control) return 1;
  g_control = control.Get();

  const HANDLE watched[] = {client.Get()};
  const DWORD watchedCount = client ? 1 : 0;
  for (;;) {
    const DWORD woken =
        MsgWaitForMultipleObjects(watchedCount, watched, FALSE, INFINITE, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0 && watchedCount == 1) break;
    MSG message;
    bool quit = false;
    while (!quit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      quit = message.message == WM_QUIT;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (quit) break;
  }
  g_control = nullptr;
  return 0;
}

}  // namespace helper
