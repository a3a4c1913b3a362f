#include "framework/AppWindow.h"

#include "common/SharedNames.h"

namespace {
HWND g_mainWindow = nullptr;
int g_drainDepth = 0;
}  // namespace

HWND MainWindow() { return g_mainWindow; }
void SetMainWindow(HWND window) { g_mainWindow = window; }

int AppMessageBox(const std::string& text, UINT type) {
  const HWND active = GetActiveWindow();
  return MessageBoxA(active ? active : g_mainWindow, text.c_str(), STOWPOUCH_PROGRAM_NAME, type);
}

void DrainMessageQueue() {
  ++g_drainDepth;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  --g_drainDepth;
}

bool DrainingMessageQueue() { return g_drainDepth > 0; }
