#pragma once
// Looks at a window's class that the program and Graftling share: Graftling
// builds this file into itself, since it links nothing else of the program.
#include <windows.h>

// Class names compare without regard to case, in the system code page.
bool ClassNameEquals(const char* a, const char* b);

// Whether a "Shell DocObject View" window is among the descendants of
// `parent`: a browser frame that has one shows a document, not a folder.
bool HasDocumentView(HWND parent);
