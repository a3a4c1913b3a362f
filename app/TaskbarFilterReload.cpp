#include "app/TaskbarFilterReload.h"

#include <windows.h>

#include <optional>

#include "app/AppState.h"
#include "common/SharedNames.h"
#include "shellext/TaskbarTabControl.h"

namespace {

std::optional<DWORD_PTR> SendReloadRequest(UINT timeoutMs) {
  const HWND tab = FindTaskbarTabControl();
  if (tab == nullptr || StowpouchMessage() == 0) return std::nullopt;
  DWORD_PTR answer = 0;
  // SMTO_NORMAL: like SendMessage, this thread still handles messages sent to
  // it while it waits.
  if (!SendMessageTimeoutA(tab, StowpouchMessage(), kMsgReloadFilter, 0,
                           SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &answer))
    return std::nullopt;
  return answer;
}

}  // namespace

bool ReloadTaskbarFilter(UINT timeoutMs) { return SendReloadRequest(timeoutMs).has_value(); }

bool TaskbarFilterAnswers() {
  return SendReloadRequest(kReloadTimeoutMs) == DWORD_PTR{kMsgReloadAnswer};
}
