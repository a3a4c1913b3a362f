#include "tools/bench/farm/WindowFarmClient.h"

#include <string>

#include "framework/Handles.h"
#include "tools/bench/farm/FarmProtocol.h"

namespace farm {

namespace {

constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kPollMs = 20;
constexpr UINT kRequestTimeoutMs = 10000;
constexpr UINT kQuitTimeoutMs = 2000;
constexpr DWORD kExitWaitMs = 3000;

std::string FarmPath() {
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
  return path.substr(0, path.find_last_of('\\') + 1) + "WindowFarm.exe";
}

// Wine now and then fails a start with ERROR_INTERNAL_ERROR while another
// process is starting up; a later try goes through.
bool StartFarm(const std::string& exe, PROCESS_INFORMATION* info) {
  const std::string folder = exe.substr(0, exe.find_last_of('\\') + 1);
  std::string commandLine =
      "\"" + exe + "\" " + protocol::kClientOption + " " + std::to_string(GetCurrentProcessId());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Sleep(200);
    if (CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, info))
      return true;
    if (GetLastError() != ERROR_INTERNAL_ERROR) return false;
  }
  return false;
}

bool Send(HWND control, protocol::Request request, const void* data, DWORD size, UINT timeoutMs,
          LRESULT* answer) {
  COPYDATASTRUCT copy{};
  copy.dwData = request;
  copy.cbData = size;
  copy.lpData = const_cast<void*>(data);
  DWORD_PTR result = 0;
  // SMTO_NORMAL: while the farm works, this thread still answers messages
  // sent to its own windows, so the two processes cannot deadlock.
  if (!SendMessageTimeoutA(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                           SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &result))
    return false;
  *answer = static_cast<LRESULT>(result);
  return true;
}

}  // namespace

WindowFarm::WindowFarm() {
  const std::string exe = FarmPath();
  PROCESS_INFORMATION info{};
  if (exe.empty() || !StartFarm(exe, &info)) return;
  UniqueKernelHandle thread(info.hThread);
  UniqueKernelHandle process(info.hProcess);
  const std::string title = std::to_string(info.dwProcessId);
  const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
  HWND control = nullptr;
  for (;;) {
    control = FindWindowExA(HWND_MESSAGE, nullptr, protocol::kControlClass, title.c_str());
    if (control || GetTickCount64() >= deadline) break;
    // Doubles as the pause between looks; a farm that died ends the wait.
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

WindowFarm::~WindowFarm() {
  if (!process_) return;
  UniqueKernelHandle process(process_);
  LRESULT answer = 0;
  Send(control_, protocol::kQuit, nullptr, 0, kQuitTimeoutMs, &answer);
  if (WaitForSingleObject(process.Get(), kExitWaitMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), kExitWaitMs);
  }
}

bool WindowFarm::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

HWND WindowFarm::Create(const WindowSpec& wanted) {
  if (!Running()) return nullptr;
  const std::vector<char> record = protocol::EncodeCreate(wanted);
  LRESULT answer = 0;
  if (!Send(control_, protocol::kCreate, record.data(), static_cast<DWORD>(record.size()),
            kRequestTimeoutMs, &answer))
    return nullptr;
  return reinterpret_cast<HWND>(answer);
}

bool WindowFarm::Destroy(HWND window) {
  if (!Running()) return false;
  const std::int64_t wire = protocol::WindowToWire(window);
  LRESULT answer = 0;
  return Send(control_, protocol::kDestroy, &wire, sizeof wire, kRequestTimeoutMs, &answer) &&
         answer != 0;
}

bool WindowFarm::Hang(DWORD ms) {
  if (!Running()) return false;
  const std::uint32_t wire = ms;
  LRESULT answer = 0;
  return Send(control_, protocol::kHang, &wire, sizeof wire, kRequestTimeoutMs, &answer) &&
         answer == 1;
}

bool WindowFarm::HoldHotKey(UINT modifiers, UINT virtualKey) {
  if (!Running()) return false;
  const protocol::HotKeyRecord wire{modifiers, virtualKey};
  LRESULT answer = 0;
  return Send(control_, protocol::kHoldHotKey, &wire, sizeof wire, kRequestTimeoutMs, &answer) &&
         answer == 1;
}

int WindowFarm::TimesHidden(HWND window) {
  if (!Running()) return -1;
  const std::int64_t wire = protocol::WindowToWire(window);
  LRESULT answer = -1;
  if (!Send(control_, protocol::kTimesHidden, &wire, sizeof wire, kRequestTimeoutMs, &answer))
    return -1;
  return static_cast<int>(answer);
}

std::vector<HWND> WindowFarm::Own(const std::vector<HWND>& windows) const {
  std::vector<HWND> own;
  if (processId_ == 0) return own;
  for (const HWND window : windows) {
    DWORD processId = 0;
    if (GetWindowThreadProcessId(window, &processId) != 0 && processId == processId_)
      own.push_back(window);
  }
  return own;
}

}  // namespace farm
