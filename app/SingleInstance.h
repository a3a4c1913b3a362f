#pragma once
// One copy per session, also when two start at the same moment (the log-on
// shortcut and the user): a named mutex decides, before any window exists,
// which copy runs; the other waits until the first has its main window.
#include <windows.h>

#include "framework/Handles.h"

class SingleInstance {
 public:
  // True for the copy that is to run; held for its whole life.
  bool Claim();
  // The main window exists: a copy that lost the claim may show it now.
  static void AnnounceMainWindow();
  // The running copy's main window, once it has one (null when it has none
  // within a generous wait).
  static HWND WaitForRunningCopy();

 private:
  UniqueKernelHandle mutex_;
  UniqueKernelHandle ready_;
};
