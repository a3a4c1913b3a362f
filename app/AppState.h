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

// The user's desktop folder; empty when it could not be read.
const std::string& DesktopFolderPath();
void SetDesktopFolderPath(const std::string& path);

// Takes, translates and dispatches every waiting message of this thread
// without blocking, so that activation and paint messages are handled
// before the next step.
void DrainMessageQueue();
