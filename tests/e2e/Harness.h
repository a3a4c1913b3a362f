#pragma once
// Starts the real Stowpouch.exe and drives it from outside: its settings key,
// its windows, the keyboard, and a message spy on its UI thread.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "MessageSpy/MessageSpy.h"

namespace e2e {

// Long enough for a cold Wine process start on a loaded machine.
constexpr DWORD kDeadlineMs = 15000;

// Polls `done` every 20 ms until it holds or `ms` have passed.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = kDeadlineMs);

// The folder of this test program, with a trailing backslash; the programs
// under test are built into the same one.
std::string BinFolder();

class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Reset(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Handle& operator=(Handle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  HANDLE Get() const { return handle_; }
  void Reset(HANDLE handle = nullptr) {
    if (handle_) CloseHandle(handle_);
    handle_ = handle;
  }

 private:
  HANDLE handle_ = nullptr;
};

// A program started with CreateProcess. The exit code is nullopt while it
// runs.
class Process {
 public:
  Process(const std::string& exe, const std::string& arguments);
  bool Started() const { return process_.Get() != nullptr; }
  DWORD Id() const { return id_; }
  DWORD MainThreadId() const { return threadId_; }
  HANDLE Get() const { return process_.Get(); }
  bool Running() const;
  bool WaitForExit(DWORD ms = kDeadlineMs) const;
  std::optional<DWORD> ExitCode() const;

 private:
  Handle process_;
  DWORD id_ = 0;
  DWORD threadId_ = 0;
};

// Runs a program to its end and returns its exit code; nullopt when it did
// not start or end in time.
std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments = "");

// ---- settings ----------------------------------------------------------------

using SettingValues = std::initializer_list<std::pair<const char*, DWORD>>;

// Empties the settings key and stores `values` in it.
void ResetSettings(SettingValues values = {});
std::optional<DWORD> ReadSetting(const char* name);

// ---- windows -----------------------------------------------------------------

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className, const char* caption);
HWND TopLevelWindow(DWORD processId, const char* className, const char* caption);
std::vector<HWND> WindowsOfClass(const char* className);

std::string WindowText(HWND window);

// Bounded SendMessage: a hung target fails the test rather than the suite.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Puts `window` in the foreground and waits until it is there.
bool BringToFront(HWND window);

// Presses and releases one key through the system's input queue.
bool PressKey(WORD virtualKey);

// ---- the message spy ------------------------------------------------------------

// Hooks a thread of another process; everything it takes from its queue
// whose message is in `watched` is recorded until the spy goes away.
class MessageSpy {
 public:
  MessageSpy(DWORD threadId, std::initializer_list<UINT> watched);
  ~MessageSpy();
  MessageSpy(const MessageSpy&) = delete;
  MessageSpy& operator=(const MessageSpy&) = delete;

  bool Hooked() const { return hook_ != nullptr && block_ != nullptr; }
  std::vector<spy::Record> Seen() const;
  // Waits for a record that `match` accepts.
  bool WaitFor(const std::function<bool(const spy::Record&)>& match, DWORD ms = kDeadlineMs) const;

 private:
  Handle mapping_;
  spy::Block* block_ = nullptr;
  HHOOK hook_ = nullptr;
};

// ---- Stowpouch ------------------------------------------------------------------

UINT StowpouchMessage();

// One run of Stowpouch.exe. Whatever a test leaves behind, the destructor
// ends the program: first as asked by WM_QUIT, then by force.
class Stowpouch {
 public:
  explicit Stowpouch(const std::string& arguments = "");
  ~Stowpouch();
  Stowpouch(const Stowpouch&) = delete;
  Stowpouch& operator=(const Stowpouch&) = delete;

  // Waits for the main window, hooks its thread and lets everything the
  // program posted to itself during start-up be handled. False (with the
  // reason in a test failure) when any of it fails.
  bool Ready();

  Process& process() { return process_; }
  HWND Window() const { return window_; }
  MessageSpy& Spy() { return *spy_; }

  // Returns once the program has taken from its queue every message posted
  // to it before the call; false when it did not within the deadline.
  bool Settle();

  // The program's "Information Dialog", if one is open.
  HWND InformationDialog() const;
  HWND WaitForInformationDialog() const;

 private:
  Process process_;
  HWND window_ = nullptr;
  std::optional<MessageSpy> spy_;
  LPARAM markers_ = 0;
};

}  // namespace e2e
