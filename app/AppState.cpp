#include "app/AppState.h"

#include "app/SharedNames.h"

namespace {
UINT g_stowpouchMessage = 0;
UINT g_systemHotKeyMessage = 0;
HWND g_mainWindow = nullptr;

std::string& DesktopPath() {
  static std::string path;
  return path;
}
}  // namespace

UINT StowpouchMessage() { return g_stowpouchMessage; }
UINT SystemHotKeyMessage() { return g_systemHotKeyMessage; }

void RegisterAppMessages() {
  g_stowpouchMessage = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME);
  g_systemHotKeyMessage = RegisterWindowMessageA(SYSTEM_HOTKEY_MESSAGE_NAME);
}

HWND MainWindow() { return g_mainWindow; }
void SetMainWindow(HWND window) { g_mainWindow = window; }

int AppMessageBox(const std::string& text, UINT type) {
  const HWND active = GetActiveWindow();
  return MessageBoxA(active ? active : g_mainWindow, text.c_str(), "Stowpouch", type);
}

const std::string& DesktopFolderPath() { return DesktopPath(); }
void SetDesktopFolderPath(const std::string& path) { DesktopPath() = path; }

void ShowMainWindow(HWND window) {
  ShowWindow(window, SW_SHOWNORMAL);
  BringWindowToTop(window);
  SetForegroundWindow(window);
  DrainMessageQueue();
  InvalidateRect(window, nullptr, TRUE);
}

void DrainMessageQueue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The loop that owns the queue must still see it and end.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
