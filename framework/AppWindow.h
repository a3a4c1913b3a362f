#pragma once
// What the lower layers need of the program's main window: its handle, the
// program's message boxes and a way to let pending messages through. The
// application sets the window once its initialisation has run.
#include <windows.h>

#include <string>

// The main window; null until SetMainWindow.
HWND MainWindow();
void SetMainWindow(HWND window);

// A message box with the program's caption, owned by the window of ours that
// is active (a dialog that asked, say), else by the main window.
int AppMessageBox(const std::string& text, UINT type);

// Takes, translates and dispatches every waiting message of this thread
// without blocking, so that activation and paint messages are handled
// before the next step. A WM_QUIT is put back for the loop that owns the
// queue.
void DrainMessageQueue();
