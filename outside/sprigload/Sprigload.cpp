// This file builds the library: its header exports what it declares.
#define SPRIGLOAD_BUILDING
#include "outside/sprigload/Sprigload.h"

#include <atomic>
#include <cstring>

#include "common/SharedNames.h"
#include "outside/EdgeHit.h"
#include "outside/HookThread.h"

namespace {

enum : unsigned { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8 };

std::atomic<HWND> g_target{nullptr};
std::atomic<UINT> g_message{0};
std::atomic<unsigned> g_edges{0};

// The bare desktop, whatever the shell calls it; a real top-level window or
// the taskbar is in the way and the click belongs to it.
bool IsDesktopRoot(HWND root) {
  if (root == nullptr || root == GetDesktopWindow() || root == GetShellWindow()) return true;
  char name[32];
  if (GetClassNameA(root, name, sizeof name) == 0) return false;
  return std::strcmp(name, "Progman") == 0 || std::strcmp(name, "WorkerW") == 0 ||
         std::strcmp(name, "#32769") == 0;
}

void ReportEdgeClick(POINT pt) {
  const unsigned edges = g_edges.load(std::memory_order_relaxed);
  if (edges == 0) return;
  const outside::ScreenBounds screen{
      GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
      GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  const outside::EdgeMask mask{(edges & kLeft) != 0, (edges & kTop) != 0, (edges & kRight) != 0,
                               (edges & kBottom) != 0};
  const int code = outside::EdgeHitCode(screen, pt.x, pt.y, mask);
  if (code == 0) return;
  // Only at an edge: the window test is the dearer one.
  if (!IsDesktopRoot(GetAncestor(WindowFromPoint(pt), GA_ROOT))) return;
  PostMessageA(g_target.load(), g_message.load(), static_cast<WPARAM>(code), MAKELPARAM(pt.x, pt.y));
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HC_ACTION && wParam == WM_LBUTTONDOWN) {
    ReportEdgeClick(reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->pt);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

outside::HookThread g_watch(WH_MOUSE_LL, &MouseProc, nullptr);

}  // namespace

extern "C" void WINAPI SprigloadSetEdges(BOOL left, BOOL top, BOOL right, BOOL bottom) {
  g_edges.store((left ? kLeft : 0u) | (top ? kTop : 0u) | (right ? kRight : 0u) | (bottom ? kBottom : 0u));
}

extern "C" void WINAPI SprigloadStartWatch(HWND target) {
  g_message.store(RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME));
  g_target.store(target);
  g_watch.Start();
}

extern "C" void WINAPI SprigloadStopWatch(void) { g_watch.Stop(); }
