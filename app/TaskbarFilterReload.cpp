#include "app/TaskbarFilterReload.h"

#include <windows.h>

#include "app/AppState.h"
#include "common/SharedNames.h"
#include "shellext/TaskbarTabControl.h"

namespace {

// The filter answers at once after a few registry reads. A shell that takes
// longer is busy or stuck, and the program goes on without waiting for it.
constexpr UINT kReloadTimeoutMs = 2000;

}  // namespace

bool ReloadTaskbarFilter() {
  const HWND tab = FindTaskbarTabControl();
  if (tab == nullptr || StowpouchMessage() == 0) return false;
  DWORD_PTR answer = 0;
  // SMTO_NORMAL: like SendMessage, this thread still handles messages sent to
  // it while it waits.
  return SendMessageTimeoutA(tab, StowpouchMessage(), kMsgReloadFilter, 0,
                             SMTO_NORMAL | SMTO_ABORTIFHUNG, kReloadTimeoutMs, &answer) != 0;
}
