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

namespace outside {

class ExclusiveLock {
 public:
  explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
  ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }
  ExclusiveLock(const ExclusiveLock&) = delete;
  ExclusiveLock& operator=(const ExclusiveLock&) = delete;

 private:
  SRWLOCK& lock_;
};

class HookThread {
 public:
  // prepare runs first on the hook thread, before the hook goes in, so state
  // that only the hook procedure touches can be reset without a lock.
  // wait_ms bounds how long Start waits for the hook and Stop for the thread.
  HookThread(int hook_id, HOOKPROC proc, void (*prepare)(), DWORD wait_ms = kDefaultWaitMs)
      : hook_id_(hook_id), proc_(proc), prepare_(prepare), wait_ms_(wait_ms) {}
  HookThread(const HookThread&) = delete;
  HookThread& operator=(const HookThread&) = delete;

  // True once the hook is in; a running hook is left as it is.
  bool Start() {
    ExclusiveLock guard(lock_);
    if (thread_.Get() != nullptr) {
      if (WaitForSingleObject(thread_.Get(), 0) == WAIT_TIMEOUT) return true;
      thread_.Reset();  // ended on its own: its message loop failed
    }
    if (ready_.Get() == nullptr) ready_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (ready_.Get() == nullptr) return false;

    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(&HookThread::Main), &module)) {
      return false;
    }
    module_ = module;
    installed_ = false;
    ResetEvent(ready_.Get());  // a thread given up on may have signalled it late
    DWORD id = 0;
    thread_.Reset(CreateThread(nullptr, 0, &HookThread::Main, this, 0, &id));
    if (thread_.Get() == nullptr) {
      FreeLibrary(module);
      return false;
    }
    thread_id_ = id;

    const HANDLE waits[] = {ready_.Get(), thread_.Get()};
    const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, wait_ms_);
    if (woke == WAIT_OBJECT_0 && installed_) return true;
    if (woke == WAIT_OBJECT_0 + 1) thread_.Reset();  // the hook could not be installed
    return false;
  }

  // Harmless when nothing runs.
  void Stop() {
    ExclusiveLock guard(lock_);
    if (thread_.Get() == nullptr) return;
    PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
    // Bounded: a thread that hangs still drops its hook and its reference to
    // the library when it ends.
    WaitForSingleObject(thread_.Get(), wait_ms_);
    thread_.Reset();
    thread_id_ = 0;
  }

 private:
  static constexpr DWORD kDefaultWaitMs = 5000;

  static DWORD WINAPI Main(void* param) {
    auto* self = static_cast<HookThread*>(param);
    const HMODULE module = self->module_;
    if (self->prepare_ != nullptr) self->prepare_();
    MSG msg;
    // Create the queue before Start returns, or Stop's WM_QUIT could be lost.
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    const HHOOK hook = SetWindowsHookExA(self->hook_id_, self->proc_, module, 0);
    self->installed_ = hook != nullptr;
    SetEvent(self->ready_.Get());  // self is not touched after this
    if (hook != nullptr) {
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
  UniqueKernelHandle thread_;
  DWORD thread_id_ = 0;
  HMODULE module_ = nullptr;
  bool installed_ = false;  // written by the thread before it signals ready_
};

}  // namespace outside
