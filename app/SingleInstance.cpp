#include "app/SingleInstance.h"

#include "common/SharedNames.h"

namespace {

constexpr char kMutexName[] = "Local\\" STOWPOUCH_PROGRAM_NAME "SingleInstance";
// Set once the running copy's main window exists.
constexpr char kReadyEventName[] = "Local\\" STOWPOUCH_PROGRAM_NAME "MainWindowReady";
// A cold start on a loaded machine takes seconds before its window exists.
constexpr DWORD kReadyWaitMs = 15000;

}  // namespace

bool SingleInstance::Claim() {
  // The event exists before the claim can be seen, so a copy that loses the
  // claim always finds it.
  ready_.Reset(CreateEventA(nullptr, TRUE, FALSE, kReadyEventName));
  mutex_.Reset(CreateMutexA(nullptr, FALSE, kMutexName));
  if (!mutex_) return true;  // no way to tell: run, as a single start would
  return GetLastError() != ERROR_ALREADY_EXISTS;
}

void SingleInstance::AnnounceMainWindow() {
  const UniqueKernelHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, kReadyEventName));
  if (ready) SetEvent(ready.Get());
}

HWND SingleInstance::WaitForRunningCopy() {
  const UniqueKernelHandle ready(OpenEventA(SYNCHRONIZE, FALSE, kReadyEventName));
  if (ready) WaitForSingleObject(ready.Get(), kReadyWaitMs);
  return FindWindowA(STOWPOUCH_WINDOW_CLASS, nullptr);
}
