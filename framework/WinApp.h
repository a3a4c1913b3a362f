#pragma once
// The application object: one static instance per program, driven by the
// framework's WinMain.
#include <windows.h>

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Called first; FALSE ends the program at once.
  virtual BOOL InitApplication() { return TRUE; }
  // Called next; TRUE enters the framework's message loop, FALSE ends the
  // program with ExitInstance's code.
  virtual BOOL InitInstance() { return FALSE; }
  virtual int Run();
  virtual int ExitInstance() { return 0; }

  HINSTANCE m_hInstance = nullptr;
  // The command line after the program name, as WinMain receives it.
  const char* m_lpCmdLine = "";
  int m_nCmdShow = SW_SHOWNORMAL;

  static CWinApp* Current();
};

// The whole life of the program; WinMain calls it.
int RunWinApp(HINSTANCE instance, const char* commandLine, int showCommand);

// Instance handle of the running program.
HINSTANCE AppInstance();
