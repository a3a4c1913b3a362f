#pragma once
// Looks at a window's class that the program and Graftling share: Graftling
// builds this file into itself, since it links nothing else of the program.
#include <windows.h>

// Class names compare without regard to case, in the system code page.
bool ClassNameEquals(const char* a, const char* b);

// A "Shell DocObject View" window among the descendants of `parent`, or
// null: a browser frame that has one shows a document, not a folder.
HWND FindDocumentView(HWND parent);
bool IsDocumentView(HWND window);
inline bool HasDocumentView(HWND parent) { return FindDocumentView(parent) != nullptr; }
