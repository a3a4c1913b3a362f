#include "app/AppState.h"

#include "common/SharedNames.h"

namespace {
UINT g_stowpouchMessage = 0;
UINT g_systemHotKeyMessage = 0;
UINT g_taskbarCreatedMessage = 0;
}  // namespace

UINT StowpouchMessage() { return g_stowpouchMessage; }
UINT SystemHotKeyMessage() { return g_systemHotKeyMessage; }
UINT TaskbarCreatedMessage() { return g_taskbarCreatedMessage; }

void RegisterAppMessages() {
  g_stowpouchMessage = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME);
  g_systemHotKeyMessage = RegisterWindowMessageA(SYSTEM_HOTKEY_MESSAGE_NAME);
  g_taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
}

void ShowMainWindow(HWND window) {
  ShowWindow(window, SW_SHOWNORMAL);
  BringWindowToTop(window);
  SetForegroundWindow(window);
  DrainMessageQueue();
  InvalidateRect(window, nullptr, TRUE);
}
