#include "windows/WindowClass.h"

namespace {

constexpr char kDocumentViewClass[] = "Shell DocObject View";

}  // namespace

bool ClassNameEquals(const char* a, const char* b) {
  return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

bool IsDocumentView(HWND window) {
  // One character more than the name: a longer name, cut, still differs.
  char className[sizeof kDocumentViewClass + 1];
  return GetClassNameA(window, className, sizeof className) > 0 &&
         ClassNameEquals(className, kDocumentViewClass);
}

// Depth first, one look per window: a window without children costs one
// GW_CHILD, a parent one class-filtered FindWindowEx for all its children.
// Reading every descendant's class name would cost several per window, and
// each look at another program's window can be a trip to the window server.
HWND FindDocumentView(HWND parent) {
  HWND child = GetWindow(parent, GW_CHILD);
  if (!child) return nullptr;
  if (const HWND view = FindWindowExA(parent, nullptr, kDocumentViewClass, nullptr)) return view;
  for (; child; child = GetWindow(child, GW_HWNDNEXT))
    if (const HWND view = FindDocumentView(child)) return view;
  return nullptr;
}
