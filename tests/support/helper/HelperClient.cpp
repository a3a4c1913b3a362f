#include "tests/support/helper/HelperClient.h"

#include "framework/Handles.h"

namespace helper {

namespace {

constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kPollMs = 20;
constexpr UINT kQuitTimeoutMs = 2000;
constexpr DWORD kExitWaitMs = 3000;

}  // namespace

std::string OwnFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of('\\') + 1);
}

bool StartProcess(const std::string& exe, std::string commandLine, const std::string& folder,
                  PROCESS_INFORMATION* info) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Sleep(200);
    if (CreateProcessA(exe.empty() ? nullptr : exe.c_str(), &commandLine[0], nullptr, nullptr,
                       FALSE, 0, nullptr, folder.c_str(), &startup, info))
      return true;
    if (GetLastError() != ERROR_INTERNAL_ERROR) return false;
  }
  return false;
}

namespace {

bool StartHelper(const std::string& folder, const char* exeName, const std::string& arguments,
                 PROCESS_INFORMATION* info) {
  const std::string exe = folder + exeName;
  std::string commandLine = "\"" + exe + "\" " + kClientOption + " " +
                            std::to_string(GetCurrentProcessId());
  if (!arguments.empty()) commandLine += " " + arguments;
  return StartProcess(exe, commandLine, folder, info);
}

}  // namespace

HelperProcess::HelperProcess(const char* exeName, const char* controlClass,
                             ULONG_PTR quitRequest, const std::string& arguments)
    : quitRequest_(quitRequest) {
  const std::string folder = OwnFolder();
  PROCESS_INFORMATION info{};
  if (folder.empty() || !StartHelper(folder, exeName, arguments, &info)) return;
  UniqueKernelHandle thread(info.hThread);
  UniqueKernelHandle process(info.hProcess);
  const std::string title = std::to_string(info.dwProcessId);
  const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
  HWND control = nullptr;
  for (;;) {
    control = FindWindowExA(HWND_MESSAGE, nullptr, controlClass, title.c_str());
    if (control || GetTickCount64() >= deadline) break;
    // Doubles as the pause between looks; a helper that died ends the wait.
    if (WaitForSingleObject(process.Get(), kPollMs) != WAIT_TIMEOUT) break;
  }
  if (!control) {
    TerminateProcess(process.Get(), 1);
    return;
  }
  control_ = control;
  processId_ = info.dwProcessId;
  process_ = process.Release();
}

HelperProcess::~HelperProcess() {
  if (!process_) return;
  UniqueKernelHandle process(process_);
  LRESULT answer = 0;
  Request(quitRequest_, nullptr, 0, &answer, kQuitTimeoutMs);
  if (WaitForSingleObject(process.Get(), kExitWaitMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), kExitWaitMs);
  }
}

bool HelperProcess::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool HelperProcess::Request(ULONG_PTR request, const void* data, DWORD size, LRESULT* answer,
                            UINT timeoutMs) const {
  if (!Running()) return false;
  COPYDATASTRUCT copy{};
  copy.dwData = request;
  copy.cbData = size;
  copy.lpData = const_cast<void*>(data);
  DWORD_PTR result = 0;
  // SMTO_NORMAL: while the helper works, this thread still answers messages
  // sent to its own windows, so the two processes cannot deadlock.
  if (!SendMessageTimeoutA(control_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                           SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &result))
    return false;
  *answer = static_cast<LRESULT>(result);
  return true;
}

}  // namespace helper
