#include "app/TaskbarFilterReload.h"

#include <windows.h>

#include "app/AppState.h"
#include "common/SharedNames.h"
#include "shellext/TaskbarTabControl.h"

namespace {

enum class Sent { kNoTabControl, kAnswered, kNoAnswer };

Sent SendReloadRequest(UINT timeoutMs, DWORD_PTR& answer) {
  const HWND tab = FindTaskbarTabControl();
  if (tab == nullptr) return Sent::kNoTabControl;
  if (StowpouchMessage() == 0) return Sent::kNoAnswer;
  // SMTO_NORMAL: like SendMessage, this thread still handles messages sent to
  // it while it waits.
  if (!SendMessageTimeoutA(tab, StowpouchMessage(), kMsgReloadFilter, 0,
                           SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &answer))
    return Sent::kNoAnswer;
  return Sent::kAnswered;
}

}  // namespace

bool ReloadTaskbarFilter(UINT timeoutMs) {
  DWORD_PTR answer = 0;
  return SendReloadRequest(timeoutMs, answer) == Sent::kAnswered;
}

TaskbarFilterPresence AskTaskbarFilter(UINT timeoutMs) {
  DWORD_PTR answer = 0;
  switch (SendReloadRequest(timeoutMs, answer)) {
    case Sent::kNoTabControl:
      return TaskbarFilterPresence::kAbsent;
    case Sent::kAnswered:
      // The tab control's own procedure answers 0 to a message it does not know.
      return answer == DWORD_PTR{kMsgReloadAnswer} ? TaskbarFilterPresence::kPresent
                                                    : TaskbarFilterPresence::kAbsent;
    case Sent::kNoAnswer:
      break;
  }
  return TaskbarFilterPresence::kUnknown;
}
