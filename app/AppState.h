#pragma once
// Values set during start-up that the application reads. The main window's
// handle and the program's message boxes are the framework's
// (framework/AppWindow.h), so that the lower layers can reach them.
#include <windows.h>

#include "framework/AppWindow.h"

// Identifiers of the registered messages "StowpouchMsg" and
// "SystemHotKeyMsg"; 0 until RegisterAppMessages.
UINT StowpouchMessage();
UINT SystemHotKeyMessage();
// "TaskbarCreated", which a shell that (re)starts sends to every top-level
// window.
UINT TaskbarCreatedMessage();
void RegisterAppMessages();

// Shows a main window normally, also when it was hidden, brings it to the
// front and repaints it: for this copy's window and for the window of a copy
// that already runs.
void ShowMainWindow(HWND window);
