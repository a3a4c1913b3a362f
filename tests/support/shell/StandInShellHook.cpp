// StandInShellHook.dll: the stand-in shell's eyes in other processes. The
// system loads it into every thread that receives a sent message while the
// stand-in's global hook is set; it reports each top-level window that is
// shown, hidden or destroyed there, with what happened to it, in the order it
// happens: by the time the stand-in reads a report, the window may well have
// changed again.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "tests/support/shell/ShellProtocol.h"

namespace {

namespace protocol = standin::protocol;

// What happened to the window, or 0 when the call changes nothing the
// taskbar cares about.
LPARAM EventOf(const CWPSTRUCT& call) {
  if (call.message == WM_DESTROY) return protocol::kDestroyed;
  if (call.message != WM_WINDOWPOSCHANGED || call.lParam == 0) return 0;
  const auto* position = reinterpret_cast<const WINDOWPOS*>(call.lParam);
  if (position->flags & SWP_SHOWWINDOW) return protocol::kShown;
  if (position->flags & SWP_HIDEWINDOW) return protocol::kHidden;
  return 0;
}

// Every running stand-in hears of it; usually there is one.
void Report(HWND window, LPARAM event) {
  for (HWND sink = FindWindowExA(HWND_MESSAGE, nullptr, protocol::kHookSinkClass, nullptr); sink;
       sink = FindWindowExA(HWND_MESSAGE, sink, protocol::kHookSinkClass, nullptr))
    PostMessageA(sink, protocol::kWindowChanged, reinterpret_cast<WPARAM>(window), event);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK StandInShellHookProc(int code, WPARAM wParam,
                                                                      LPARAM lParam) {
  if (code == HC_ACTION && lParam != 0) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    const LPARAM event = EventOf(call);
    if (event != 0 && GetAncestor(call.hwnd, GA_PARENT) == GetDesktopWindow())
      Report(call.hwnd, event);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
