#include "shellext/TaskbarFilter.h"

#include <commctrl.h>

#include "common/SharedNames.h"
#include "shellext/FilterClassList.h"
#include "framework/SlimLocks.h"
#include "shellext/TaskbarTabControl.h"

namespace {

// Class names are at most 256 characters.
constexpr int kClassNameCapacity = 257;

// How long the unload question waits for the tab control's thread to take
// a message; a busy taskbar only keeps the library a little longer.
constexpr UINT kQuietWaitMs = 500;

struct Subclass {
  HWND window = nullptr;
  // Kept after the filter left the chain: a call that read our procedure
  // from the window just before may still come, and must reach it.
  WNDPROC previous = nullptr;
  bool unicode = false;    // the procedures take the window's character set
  bool installed = false;  // our procedure is in the window's chain
  bool filtering = false;  // installed and switched on
  UINT reloadMessage = 0;
};

// Guards every field below; held only to copy them, never across a call.
SRWLOCK g_lock = SRWLOCK_INIT;
Subclass g_subclass;
// The thread and window whose chain our procedure was last in, until the
// unload question finds that thread past every call; and the reference to
// ourselves taken meanwhile.
DWORD g_chainThread = 0;
HWND g_chainWindow = nullptr;
HMODULE g_selfReference = nullptr;

// Calls that entered and left TaskbarFilterProc: they differ while a call is
// inside it. Two counts rather than one, so that the unload question can
// tell that no call came in while it waited.
volatile LONG g_callsEntered = 0;
volatile LONG g_callsLeft = 0;

class CallInFlight {
 public:
  CallInFlight() { InterlockedIncrement(&g_callsEntered); }
  ~CallInFlight() { InterlockedIncrement(&g_callsLeft); }
  CallInFlight(const CallInFlight&) = delete;
  CallInFlight& operator=(const CallInFlight&) = delete;
};

LONG ReadCount(volatile LONG& count) { return InterlockedCompareExchange(&count, 0, 0); }

Subclass Snapshot() {
  const SharedLock lock(g_lock);
  return g_subclass;
}

LONG_PTR GetProcedure(HWND window, bool unicode) {
  return unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                 : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

LONG_PTR SetProcedure(HWND window, bool unicode, LONG_PTR procedure) {
  return unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                 : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure);
}

LRESULT CallPrevious(const Subclass& state, HWND window, UINT message, WPARAM wParam,
                     LPARAM lParam) {
  const WNDPROC previous = state.previous;
  if (state.unicode)
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

// The control we were in is gone, and our procedure with it.
void ForgetWindow() {
  const ExclusiveLock lock(g_lock);
  const UINT reloadMessage = g_subclass.reloadMessage;
  g_subclass = Subclass();
  g_subclass.reloadMessage = reloadMessage;
}

// Taken once while the procedure is in a chain; given back only by the
// unload question, whose caller still holds the library.
void HoldSelf() {
  HMODULE self = nullptr;
  {
    const SharedLock lock(g_lock);
    if (g_selfReference != nullptr) return;
  }
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                          reinterpret_cast<LPCSTR>(&TaskbarFilterProc), &self))
    return;
  const ExclusiveLock lock(g_lock);
  g_selfReference = self;
}

// Only a window of our own process can take our procedure: when the shell
// hands the load request to the caller instead, the tab control belongs to
// another process, and the filter simply stays out. Another thread of this
// process is fine; the shell may serve load requests on a thread other than
// the taskbar's.
void Install(HWND tab) {
  const Subclass state = Snapshot();
  if (state.installed) {
    if (IsWindow(state.window)) {
      const ExclusiveLock lock(g_lock);
      g_subclass.filtering = true;
      return;
    }
    ForgetWindow();
  }
  if (tab == nullptr || !OwnedByThisProcess(tab)) return;
  const bool unicode = IsWindowUnicode(tab) != FALSE;
  const LONG_PTR current = GetProcedure(tab, unicode);
  if (current == 0) return;
  const DWORD thread = GetWindowThreadProcessId(tab, nullptr);
  // In place before the switch: the tab control's thread may call us the
  // moment it is made.
  HoldSelf();
  {
    const ExclusiveLock lock(g_lock);
    g_subclass.window = tab;
    g_subclass.previous = reinterpret_cast<WNDPROC>(current);
    g_subclass.unicode = unicode;
    g_subclass.filtering = true;
    g_chainThread = thread;
    g_chainWindow = tab;
  }
  const LONG_PTR replaced =
      SetProcedure(tab, unicode, reinterpret_cast<LONG_PTR>(&TaskbarFilterProc));
  if (replaced == 0) {
    ForgetWindow();
    return;
  }
  const ExclusiveLock lock(g_lock);
  g_subclass.previous = reinterpret_cast<WNDPROC>(replaced);
  g_subclass.installed = true;
}

void Remove() {
  Subclass state;
  {
    const ExclusiveLock lock(g_lock);
    g_subclass.filtering = false;
    state = g_subclass;
  }
  if (!state.installed) return;
  if (!IsWindow(state.window)) {
    ForgetWindow();
    return;
  }
  // Someone put a procedure of theirs in front of ours and calls ours as its
  // previous one: putting the old one back would cut theirs off.
  if (GetProcedure(state.window, state.unicode) !=
      reinterpret_cast<LONG_PTR>(&TaskbarFilterProc))
    return;
  if (SetProcedure(state.window, state.unicode, reinterpret_cast<LONG_PTR>(state.previous)) ==
      0)
    return;
  const ExclusiveLock lock(g_lock);
  g_subclass.installed = false;
}

// Whether the thread whose chain held our procedure can no longer be inside
// it: a call that read our procedure from the window before it left may be
// on its way in, and one that has counted itself out still returns through
// our code. Neither can take a message on the way, so a message the thread
// answers after no call was inside, with none come in since, proves both
// over. On that thread itself nothing is half-way.
bool ChainThreadQuiet() {
  DWORD thread = 0;
  HWND window = nullptr;
  {
    const SharedLock lock(g_lock);
    thread = g_chainThread;
    window = g_chainWindow;
  }
  const LONG left = ReadCount(g_callsLeft);
  const LONG entered = ReadCount(g_callsEntered);
  if (entered != left) return false;
  if (thread == 0 || thread == GetCurrentThreadId()) return true;
  if (GetWindowThreadProcessId(window, nullptr) != thread) {
    // The window is gone: only a thread that ended is sure to be out.
    const HANDLE handle = OpenThread(SYNCHRONIZE, FALSE, thread);
    if (handle == nullptr) return false;
    const bool ended = WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
    CloseHandle(handle);
    return ended;
  }
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kQuietWaitMs,
                           &ignored))
    return false;
  return ReadCount(g_callsEntered) == entered;
}

}  // namespace

void RegisterReloadMessage() {
  const UINT message = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME);
  const ExclusiveLock lock(g_lock);
  g_subclass.reloadMessage = message;
}

void SetTaskbarFilter(int install) {
  if (install)
    Install(FindTaskbarTabControl());
  else
    Remove();
}

bool TaskbarFilterInChain() { return Snapshot().installed; }

bool ReleaseFilterIfQuiet() {
  if (TaskbarFilterInChain() || !ChainThreadQuiet()) return false;
  HMODULE self = nullptr;
  {
    const ExclusiveLock lock(g_lock);
    g_chainThread = 0;
    g_chainWindow = nullptr;
    self = g_selfReference;
    g_selfReference = nullptr;
  }
  if (self != nullptr) FreeLibrary(self);
  return true;
}

LRESULT CALLBACK TaskbarFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const CallInFlight call;
  const Subclass state = Snapshot();
  if (state.filtering) {
    if (message == state.reloadMessage && state.reloadMessage != 0 &&
        wParam == kMsgReloadFilter) {
      ReloadFilterClassList();
      return kMsgReloadAnswer;
    }
    if ((message == TCM_INSERTITEMA || message == TCM_INSERTITEMW) && SwallowsInsertion(lParam))
      return 0;
  }
  return CallPrevious(state, window, message, wParam, lParam);
}
