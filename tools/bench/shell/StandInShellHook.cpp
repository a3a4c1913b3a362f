// StandInShellHook.dll: the stand-in shell's eyes in other processes. The
// system loads it into every thread that receives a sent message while the
// stand-in's global hook is set; it reports each top-level window that is
// shown, hidden or destroyed there, in the order it happens, so that a hide
// and a show in quick succession still reach the stand-in as two events.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "tools/bench/shell/ShellProtocol.h"

namespace {

namespace protocol = standin::protocol;

bool ChangesVisibility(const CWPSTRUCT& call) {
  if (call.message == WM_DESTROY) return true;
  if (call.message != WM_WINDOWPOSCHANGED || call.lParam == 0) return false;
  const auto* position = reinterpret_cast<const WINDOWPOS*>(call.lParam);
  return (position->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0;
}

// Every running stand-in hears of it; usually there is one.
void Report(HWND window) {
  for (HWND sink = FindWindowExA(HWND_MESSAGE, nullptr, protocol::kHookSinkClass, nullptr); sink;
       sink = FindWindowExA(HWND_MESSAGE, sink, protocol::kHookSinkClass, nullptr))
    PostMessageA(sink, protocol::kWindowChanged, reinterpret_cast<WPARAM>(window), 0);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK StandInShellHookProc(int code, WPARAM wParam,
                                                                      LPARAM lParam) {
  if (code == HC_ACTION && lParam != 0) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (ChangesVisibility(call) && GetAncestor(call.hwnd, GA_PARENT) == GetDesktopWindow())
      Report(call.hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
