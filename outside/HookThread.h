#pragma once
// A low-level hook on a thread of the library's own. Low-level hook procedures
// run inside the installing thread's message loop, so the hook must not live
// on the caller's thread: a busy main window would stall the system's input.
//
// The thread holds a reference to the library for as long as it runs and ends
// with FreeLibraryAndExitThread, so the code under a live hook can never be
// unmapped, even when the library is freed before the hook is stopped.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "framework/Handles.h"
#include "framework/SlimLocks.h"

namespace outside {

class HookThread {
 public:
  // prepare runs first on the hook thread, before the hook goes in, so state
  // that only the hook procedure touches can be reset without a lock.
  // wait_ms bounds how long Start waits for the hook and Stop for the thread.
  HookThread(int hook_id, HOOKPROC proc, void (*prepare)(), DWORD wait_ms = kDefaultWaitMs)
      : hook_id_(hook_id), proc_(proc), prepare_(prepare), wait_ms_(wait_ms) {}
  HookThread(const HookThread&) = delete;
  HookThread& operator=(const HookThread&) = delete;

  // True once the hook is in; a running hook is left as it is. A thread whose
  // hook did not go in within the wait is told to end, and no other starts
  // before it has: two threads could otherwise leave two hooks.
  bool Start() {
    ExclusiveLock guard(lock_);
    if (thread_.Get() != nullptr) {
      const bool ending = StopRequested();
      if (WaitForSingleObject(thread_.Get(), ending ? wait_ms_ : 0) == WAIT_TIMEOUT) return !ending;
      thread_.Reset();  // stopped, or its message loop failed
    }
    if (ready_.Get() == nullptr) ready_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (stop_.Get() == nullptr) stop_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (ready_.Get() == nullptr || stop_.Get() == nullptr) return false;

    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(&HookThread::Main), &module)) {
      return false;
    }
    module_ = module;
    installed_ = false;
    ResetEvent(ready_.Get());  // the last thread may have signalled it late
    ResetEvent(stop_.Get());
    DWORD id = 0;
    thread_.Reset(CreateThread(nullptr, 0, &HookThread::Main, this, 0, &id));
    if (thread_.Get() == nullptr) {
      FreeLibrary(module);
      return false;
    }
    thread_id_ = id;

    const HANDLE waits[] = {ready_.Get(), thread_.Get()};
    if (WaitForMultipleObjects(2, waits, FALSE, wait_ms_) == WAIT_OBJECT_0 && installed_) return true;
    RequestStop();  // late, it must not hook after all
    return false;
  }

  // Harmless when nothing runs.
  void Stop() {
    ExclusiveLock guard(lock_);
    if (thread_.Get() == nullptr) return;
    RequestStop();
    // Bounded: a thread that hangs still drops its hook and its reference to
    // the library when it ends, and the next Start waits for that.
    if (WaitForSingleObject(thread_.Get(), wait_ms_) != WAIT_TIMEOUT) thread_.Reset();
  }

 private:
  static constexpr DWORD kDefaultWaitMs = 5000;

  bool StopRequested() const { return WaitForSingleObject(stop_.Get(), 0) == WAIT_OBJECT_0; }

  // The thread looks at the event only once it has its queue, so either it
  // sees the event or the WM_QUIT finds the queue.
  void RequestStop() const {
    SetEvent(stop_.Get());
    PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
  }

  // self outlives the thread, which holds the library self lives in; a new
  // Start writes self's fields only once the last thread has ended.
  static DWORD WINAPI Main(void* param) {
    auto* self = static_cast<HookThread*>(param);
    const HMODULE module = self->module_;
    if (self->prepare_ != nullptr) self->prepare_();
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the queue
    const HHOOK hook = SetWindowsHookExA(self->hook_id_, self->proc_, module, 0);
    self->installed_ = hook != nullptr;
    SetEvent(self->ready_.Get());
    if (hook != nullptr) {
      if (!self->StopRequested())
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
      UnhookWindowsHookEx(hook);
    }
    FreeLibraryAndExitThread(module, 0);
  }

  const int hook_id_;
  const HOOKPROC proc_;
  void (*const prepare_)();
  const DWORD wait_ms_;
  SRWLOCK lock_ = SRWLOCK_INIT;
  UniqueKernelHandle ready_;
  UniqueKernelHandle stop_;  // manual reset; set while a thread must end
  UniqueKernelHandle thread_;
  DWORD thread_id_ = 0;
  HMODULE module_ = nullptr;
  bool installed_ = false;  // written by the thread before it signals ready_
};

}  // namespace outside
