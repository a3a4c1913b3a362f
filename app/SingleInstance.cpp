#include "app/SingleInstance.h"

#include "common/SharedNames.h"

namespace {

constexpr char kMutexName[] = "Local\\" STOWPOUCH_PROGRAM_NAME "SingleInstance";
// Set once the running copy's main window exists.
constexpr char kReadyEventName[] = "Local\\" STOWPOUCH_PROGRAM_NAME "MainWindowReady";
// A cold start on a loaded machine takes seconds before its window exists,
// and a copy that quits saves its files and shows its hidden windows again
// before it ends.
constexpr DWORD kWaitMs = 15000;

bool Acquired(DWORD wait) { return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED; }

}  // namespace

SingleInstance::~SingleInstance() {
  if (owned_) ReleaseMutex(mutex_.Get());
}

bool SingleInstance::Own() {
  owned_ = true;
  // The event may still be set by a copy that has ended.
  if (ready_) ResetEvent(ready_.Get());
  return true;
}

bool SingleInstance::Claim(HWND& running) {
  running = nullptr;
  // The event exists before the claim can be seen, so a copy that loses the
  // claim always finds it.
  ready_.Reset(CreateEventA(nullptr, TRUE, FALSE, kReadyEventName));
  mutex_.Reset(CreateMutexA(nullptr, TRUE, kMutexName));
  if (!mutex_) return true;  // no way to tell: run, as a single start would
  if (GetLastError() != ERROR_ALREADY_EXISTS) return Own();

  // The mutex first: a copy that ended meanwhile hands it over at once.
  const HANDLE waits[] = {mutex_.Get(), ready_.Get()};
  const DWORD woke = WaitForMultipleObjects(ready_ ? 2 : 1, waits, FALSE, kWaitMs);
  if (woke == WAIT_OBJECT_0 || woke == WAIT_ABANDONED_0) return Own();
  if (woke != WAIT_OBJECT_0 + 1) return false;
  running = FindWindowA(STOWPOUCH_WINDOW_CLASS, nullptr);
  if (running) return false;
  // Its window is gone already: it is ending.
  if (Acquired(WaitForSingleObject(mutex_.Get(), kWaitMs))) return Own();
  return false;
}

void SingleInstance::AnnounceMainWindow() {
  const UniqueKernelHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, kReadyEventName));
  if (ready) SetEvent(ready.Get());
}
