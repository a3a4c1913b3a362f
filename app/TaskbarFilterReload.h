#pragma once
// Stowpouch's one message to Graftling: after the settings have been
// applied, the taskbar filter re-reads the settings key.
#include <windows.h>

// The filter answers at once after a few registry reads. A shell that takes
// longer is busy or stuck, and the program goes on without waiting for it.
constexpr UINT kReloadTimeoutMs = 2000;

// Sends "StowpouchMsg" 102 to the taskbar's tab control. Returns whether
// the tab control was there and answered in time; the answer itself does
// not matter. A shell that does not answer within `timeoutMs` cannot hold
// Stowpouch up.
bool ReloadTaskbarFilter(UINT timeoutMs = kReloadTimeoutMs);

// What the same request tells about Graftling in this shell's taskbar.
enum class TaskbarFilterPresence {
  kPresent,  // the filter answered
  kAbsent,   // no tab control, or the tab control itself answered
  kUnknown,  // no answer in time: a busy shell says nothing either way
};

TaskbarFilterPresence AskTaskbarFilter(UINT timeoutMs = kReloadTimeoutMs);
