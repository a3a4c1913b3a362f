#pragma once
// Values set during start-up that the whole program reads.
#include <windows.h>

#include <string>

// Identifiers of the registered messages "StowpouchMsg" and
// "SystemHotKeyMsg"; 0 until RegisterAppMessages.
UINT StowpouchMessage();
UINT SystemHotKeyMessage();
void RegisterAppMessages();

// The main window, once its initialisation has run.
HWND MainWindow();
void SetMainWindow(HWND window);

// A message box with the program's caption, owned by the window of ours that
// is active (a dialog that asked, say), else by the main window.
int AppMessageBox(const std::string& text, UINT type);

// The user's desktop folder; empty when it could not be read.
const std::string& DesktopFolderPath();
void SetDesktopFolderPath(const std::string& path);

// Shows a main window normally, also when it was hidden, brings it to the
// front and repaints it: for this copy's window and for the window of a copy
// that already runs.
void ShowMainWindow(HWND window);

// Takes, translates and dispatches every waiting message of this thread
// without blocking, so that activation and paint messages are handled
// before the next step.
void DrainMessageQueue();
