#include "framework/AppWindow.h"

#include "common/SharedNames.h"

namespace {
HWND g_mainWindow = nullptr;
}  // namespace

HWND MainWindow() { return g_mainWindow; }
void SetMainWindow(HWND window) { g_mainWindow = window; }

int AppMessageBox(const std::string& text, UINT type) {
  const HWND active = GetActiveWindow();
  return MessageBoxA(active ? active : g_mainWindow, text.c_str(), STOWPOUCH_PROGRAM_NAME, type);
}

void DrainMessageQueue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
