#pragma once
#include "framework/WinApp.h"

// The application object: one copy per desktop, the main window run as a
// modal dialog for the life of the process.
class CStowpouchApp : public CWinApp {
 public:
  BOOL InitApplication() override;
  BOOL InitInstance() override;
};
