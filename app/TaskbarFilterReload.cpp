#include "app/TaskbarFilterReload.h"

#include <windows.h>

#include <optional>

#include "app/AppState.h"
#include "common/SharedNames.h"
#include "shellext/TaskbarTabControl.h"

namespace {

// The filter answers at once after a few registry reads. A shell that takes
// longer is busy or stuck, and the program goes on without waiting for it.
constexpr UINT kReloadTimeoutMs = 2000;

std::optional<DWORD_PTR> SendReloadRequest() {
  const HWND tab = FindTaskbarTabControl();
  if (tab == nullptr || StowpouchMessage() == 0) return std::nullopt;
  DWORD_PTR answer = 0;
  // SMTO_NORMAL: like SendMessage, this thread still handles messages sent to
  // it while it waits.
  if (!SendMessageTimeoutA(tab, StowpouchMessage(), kMsgReloadFilter, 0,
                           SMTO_NORMAL | SMTO_ABORTIFHUNG, kReloadTimeoutMs, &answer))
    return std::nullopt;
  return answer;
}

}  // namespace

bool ReloadTaskbarFilter() { return SendReloadRequest().has_value(); }

bool TaskbarFilterAnswers() { return SendReloadRequest() == DWORD_PTR{kMsgReloadAnswer}; }
