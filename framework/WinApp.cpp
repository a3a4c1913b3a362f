#include "framework/WinApp.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* CWinApp::Current() { return g_app; }

int CWinApp::Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return ExitInstance();
}

HINSTANCE AppInstance() { return g_app ? g_app->m_hInstance : GetModuleHandleA(nullptr); }

int RunWinApp(HINSTANCE instance, const char* commandLine, int showCommand) {
  if (!g_app) return 1;
  g_app->m_hInstance = instance;
  g_app->m_lpCmdLine = commandLine ? commandLine : "";
  g_app->m_nCmdShow = showCommand;
  if (!g_app->InitApplication()) return g_app->ExitInstance();
  if (!g_app->InitInstance()) return g_app->ExitInstance();
  return g_app->Run();
}
