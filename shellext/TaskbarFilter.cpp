#include "shellext/TaskbarFilter.h"

#include <commctrl.h>

#include "common/SharedNames.h"
#include "shellext/FilterClassList.h"
#include "shellext/TaskbarTabControl.h"

namespace {

// Class names are at most 256 characters.
constexpr int kClassNameCapacity = 257;

// Plain values without locks: the load request and the tab control's thread
// never change the same field at once.
struct Subclass {
  HWND window = nullptr;
  WNDPROC previous = nullptr;  // never null while installed
  bool unicode = false;        // the procedures take the window's character set
  bool installed = false;      // our procedure is in the window's chain
  bool filtering = false;      // installed and switched on
};

Subclass g_subclass;
UINT g_reloadMessage = 0;

// Calls inside TaskbarFilterProc, on any thread: each must be able to return
// through our code, even after the filter left the chain.
volatile LONG g_callsInFlight = 0;

class CallInFlight {
 public:
  CallInFlight() { InterlockedIncrement(&g_callsInFlight); }
  ~CallInFlight() { InterlockedDecrement(&g_callsInFlight); }
  CallInFlight(const CallInFlight&) = delete;
  CallInFlight& operator=(const CallInFlight&) = delete;
};

LONG_PTR GetProcedure(HWND window, bool unicode) {
  return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                 : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

LONG_PTR SetProcedure(HWND window, bool unicode, LONG_PTR procedure) {
  return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                 : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = g_subclass.previous;
  if (g_subclass.unicode)
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
  return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                  : DefWindowProcA(window, message, wParam, lParam);
}

// The item's parameter is the window the button stands for; an item without
// one, or with something that is not a window, is none of our business.
// GetClassName fails for a handle that names no window, which spares an
// IsWindow look at another program's window.
bool SwallowsInsertion(LPARAM lParam) {
  // TCITEMA and TCITEMW agree on everything up to and including lParam.
  const auto* item = reinterpret_cast<const TCITEMA*>(lParam);
  if (item == nullptr || (item->mask & TCIF_PARAM) == 0) return false;
  const HWND window = reinterpret_cast<HWND>(item->lParam);
  char className[kClassNameCapacity];
  if (window == nullptr || GetClassNameA(window, className, kClassNameCapacity) == 0)
    return false;
  return IsFilteredWindow(window, className) == 1;
}

bool OwnedByThisProcess(HWND window) {
  DWORD processId = 0;
  return GetWindowThreadProcessId(window, &processId) != 0 &&
         processId == GetCurrentProcessId();
}

void Forget() { g_subclass = Subclass(); }

// Only a window of our own process can take our procedure: when the shell
// hands the load request to the caller instead, the tab control belongs to
// another process, and the filter simply stays out. Another thread of this
// process is fine; the shell may serve load requests on a thread other than
// the taskbar's.
void Install(HWND tab) {
  if (g_subclass.installed) {
    if (IsWindow(g_subclass.window)) {
      g_subclass.filtering = true;
      return;
    }
    Forget();  // the control we were in is gone, and our procedure with it
  }
  if (tab == nullptr || !OwnedByThisProcess(tab)) return;
  const bool unicode = IsWindowUnicode(tab) != FALSE;
  const LONG_PTR current = GetProcedure(tab, unicode);
  if (current == 0) return;
  // Remembered before the switch: the tab control's thread may call us the
  // moment it is made.
  g_subclass.window = tab;
  g_subclass.previous = reinterpret_cast<WNDPROC>(current);
  g_subclass.unicode = unicode;
  g_subclass.filtering = true;
  const LONG_PTR replaced =
      SetProcedure(tab, unicode, reinterpret_cast<LONG_PTR>(&TaskbarFilterProc));
  if (replaced == 0) {
    Forget();
    return;
  }
  g_subclass.previous = reinterpret_cast<WNDPROC>(replaced);
  g_subclass.installed = true;
}

void Remove() {
  g_subclass.filtering = false;
  if (!g_subclass.installed) return;
  const HWND window = g_subclass.window;
  if (!IsWindow(window)) {
    Forget();
    return;
  }
  // Someone put a procedure of theirs in front of ours and calls ours as its
  // previous one: putting the old one back would cut theirs off.
  if (GetProcedure(window, g_subclass.unicode) != reinterpret_cast<LONG_PTR>(&TaskbarFilterProc))
    return;
  if (SetProcedure(window, g_subclass.unicode, reinterpret_cast<LONG_PTR>(g_subclass.previous)) !=
      0)
    Forget();
}

}  // namespace

void RegisterReloadMessage() { g_reloadMessage = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME); }

void SetTaskbarFilter(int install) {
  if (install)
    Install(FindTaskbarTabControl());
  else
    Remove();
}

bool TaskbarFilterInChain() { return g_subclass.installed; }

bool TaskbarFilterBusy() { return InterlockedCompareExchange(&g_callsInFlight, 0, 0) != 0; }

LRESULT CALLBACK TaskbarFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const CallInFlight call;
  if (g_subclass.filtering) {
    if (message == g_reloadMessage && g_reloadMessage != 0 && wParam == kMsgReloadFilter) {
      ReloadFilterClassList();
      return kMsgReloadAnswer;
    }
    if ((message == TCM_INSERTITEMA || message == TCM_INSERTITEMW) && SwallowsInsertion(lParam))
      return 0;
  }
  return CallPrevious(window, message, wParam, lParam);
}
