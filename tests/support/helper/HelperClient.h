#pragma once
// Starts a helper program of ours (the window farm, the stand-in shell) and
// talks to it. A helper runs in its own process, from this program's folder,
// and takes requests as WM_COPYDATA to a message-only control window whose
// title is its process id, so each client finds its own helper even when
// several run at once. It quits when the client ends (see HelperLoop.h).
#include <windows.h>

#include <string>

namespace helper {

// Names the client's process on a helper's command line: --client <pid>.
constexpr char kClientOption[] = "--client";

// This program's folder, with a trailing backslash; the helpers are built
// into the same one.
std::string OwnFolder();

// CreateProcess of `commandLine` (the program found by the system's search
// when `exe` is empty) in `folder`, tried again when Wine fails a start with
// ERROR_INTERNAL_ERROR, as it now and then does while another process starts.
bool StartProcess(const std::string& exe, std::string commandLine, const std::string& folder,
                  PROCESS_INFORMATION* info);

class HelperProcess {
 public:
  // Starts `exeName` with `arguments` and waits until it takes requests;
  // Running() tells whether that worked.
  HelperProcess(const char* exeName, const char* controlClass, ULONG_PTR quitRequest,
                const std::string& arguments = "");
  // Asks the helper to quit, and ends it by force when it does not.
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  bool Running() const;
  DWORD ProcessId() const { return processId_; }

  // One request; false when the helper is gone or did not answer within
  // `timeoutMs`.
  bool Request(ULONG_PTR request, const void* data, DWORD size, LRESULT* answer,
               UINT timeoutMs = kRequestTimeoutMs) const;

  static constexpr UINT kRequestTimeoutMs = 10000;

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND control_ = nullptr;
  ULONG_PTR quitRequest_ = 0;
};

}  // namespace helper
