#pragma once
// The server side of a helper program (see HelperClient.h): its control
// window and its message loop.
#include <windows.h>

namespace helper {

// Answers one request; COPYDATASTRUCT::dwData names it.
using RequestHandler = LRESULT (*)(const COPYDATASTRUCT& request);

// Creates the message-only control window of class `controlClass`, titled
// with this process's id, hands every WM_COPYDATA it gets to `handler`, and
// runs the thread's message loop until WM_QUIT, or until the client named by
// "--client <pid>" on `commandLine` ends, so that a test that died leaves no
// helper behind. Returns the helper's exit code.
int RunHelper(HINSTANCE instance, const char* commandLine, const char* controlClass,
              RequestHandler handler);

// The control window while RunHelper runs.
HWND HelperControlWindow();

}  // namespace helper
