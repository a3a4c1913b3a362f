// IdleBench.exe: what the real Stowpouch.exe costs while nobody uses it, and
// what its low-level hooks add to every input event of the desktop.
//   IdleBench.exe [-s SECONDS] [-r ROUNDS]
//
// Idle: Stowpouch.exe ("/hide", with its tray icon, edge watch and Windows-key
// hook) and BareDialog.exe idle side by side for SECONDS; their CPU time
// over that span is compared. Hooks: bursts of mouse moves and key presses
// through SendInput, timed until this program's own window has taken the
// last one, without Stowpouch, with it, and with its main thread suspended
// (the hooks live on threads of their own, so that must cost no more).
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/SharedNames.h"
#include "framework/Handles.h"
#include "settings/SettingsRecord.h"
#include "tools/bench/BareDialog.h"
#include "tools/bench/BenchStats.h"

namespace {

constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kStopTimeoutMs = 10000;
// Lets what start-up set going (tray, shell notifications) die down before
// the idle clock runs.
constexpr DWORD kSettleMs = 2000;
constexpr double kIdleGoalMs = 1.0;
constexpr double kHookGoalUs = 50.0;
constexpr int kMoves = 1000;
constexpr int kPresses = 1000;
constexpr DWORD kBusyMs = 2000;
constexpr DWORD kBurstTimeoutMs = 30000;

struct Options {
  int seconds = 60;
  int rounds = 7;
};

std::string BinFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

double Milliseconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e4;
}

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1e6 / frequency;  // µs
}

// --- the settings key, as the user left it ---------------------------------

// The values of the settings key, put back when the bench ends; the key
// itself goes again when there was none.
class SettingsGuard {
 public:
  SettingsGuard() {
    HKEY key = nullptr;
    existed_ = RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) == ERROR_SUCCESS;
    const UniqueRegKey owner(key);
    if (!existed_) return;
    for (DWORD index = 0;; ++index) {
      char name[256];
      DWORD nameLength = sizeof name;
      DWORD type = 0;
      DWORD size = 0;
      if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        break;
      Value value{std::string(name, nameLength), type, std::vector<BYTE>(size)};
      nameLength = sizeof name;
      RegEnumValueA(key, index, name, &nameLength, nullptr, &type, value.data.data(), &size);
      value.data.resize(size);
      values_.push_back(std::move(value));
    }
  }
  ~SettingsGuard() {
    Clear();
    if (!existed_) {
      RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
      return;
    }
    const UniqueRegKey key(Create());
    for (const Value& value : values_)
      RegSetValueExA(key.Get(), value.name.c_str(), 0, value.type, value.data.data(),
                     static_cast<DWORD>(value.data.size()));
  }
  SettingsGuard(const SettingsGuard&) = delete;
  SettingsGuard& operator=(const SettingsGuard&) = delete;

  // Defaults but for these numbers.
  bool Apply(std::initializer_list<std::pair<const char*, DWORD>> numbers) const {
    Clear();
    const UniqueRegKey key(Create());
    if (!key) return false;
    for (const auto& [name, number] : numbers)
      if (RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                         sizeof number) != ERROR_SUCCESS)
        return false;
    return true;
  }

 private:
  struct Value {
    std::string name;
    DWORD type;
    std::vector<BYTE> data;
  };

  static HKEY Create() {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                    &key, nullptr);
    return key;
  }

  // Every value goes; subkeys, which the program does not use, stay.
  static void Clear() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
      return;
    const UniqueRegKey owner(key);
    for (;;) {
      char name[256];
      DWORD nameLength = sizeof name;
      if (RegEnumValueA(key, 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      if (RegDeleteValueA(key, name) != ERROR_SUCCESS) break;
    }
  }

  bool existed_ = false;
  std::vector<Value> values_;
};

// Waits for `object` (none: just waits) for up to `ms` while handling this
// thread's messages: the programs broadcast to every top-level window as
// they start and quit, the bench's own window among them.
bool WaitPumping(HANDLE object, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const DWORD spent = GetTickCount() - start;
    if (spent >= ms) return false;
    const DWORD count = object ? 1 : 0;
    if (MsgWaitForMultipleObjects(count, &object, FALSE, ms - spent, QS_ALLINPUT) == WAIT_OBJECT_0 &&
        object)
      return true;
  }
}

std::optional<double> ProcessCpuMs(HANDLE process) {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return std::nullopt;
  return Milliseconds(kernel) + Milliseconds(user);
}

// --- the programs under measurement -----------------------------------------

struct WindowSearch {
  DWORD processId;
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  char text[256];
  if (processId != search->processId) return TRUE;
  if (search->className &&
      (!GetClassNameA(window, text, sizeof text) || std::strcmp(text, search->className) != 0))
    return TRUE;
  if (search->caption) {
    text[0] = '\0';
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, search->caption) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}

BOOL CALLBACK FindVisible(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK AppendStatic(HWND child, LPARAM context) {
  char name[32] = "";
  char text[512] = "";
  GetClassNameA(child, name, sizeof name);
  if (std::strcmp(name, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
    *reinterpret_cast<std::string*>(context) += std::string(": ") + text;
  return TRUE;
}

// What a message box says, to tell why the program did not go idle.
std::string MessageText(HWND box) {
  std::string text;
  EnumChildWindows(box, AppendStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

// A program of the bin folder, started and, at the end, closed by its quit
// path; ended by force only when it will not go.
class Program {
 public:
  // `hidden` tells when the program has taken its hide path; null when it
  // never shows its window.
  Program(const std::string& exe, const std::string& arguments, const char* className,
          const char* caption, bool (*hidden)() = nullptr)
      : name_(exe), className_(className), caption_(caption), hidden_(hidden) {
    std::string commandLine = "\"" + BinFolder() + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    const std::string folder = BinFolder() + "idlebench-work";
    CreateDirectoryA(folder.c_str(), nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
      std::fprintf(stderr, "cannot start %s: error %lu\n", exe.c_str(), GetLastError());
      return;
    }
    process_.Reset(info.hProcess);
    CloseHandle(info.hThread);
    mainThreadId_ = info.dwThreadId;
    processId_ = info.dwProcessId;
  }
  ~Program() { Stop(); }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Up, hidden and idle: its window exists, its initialisation has returned
  // and its queue has run dry.
  bool WaitIdle() {
    if (!process_) return false;
    const DWORD start = GetTickCount();
    while (!(window_ = Find()) || (hidden_ && !hidden_())) {
      if (!Running() || GetTickCount() - start > kStartTimeoutMs) {
        std::fprintf(stderr, "%s showed no main window or did not hide it (window %p, %s, %s)\n",
                     name_.c_str(), static_cast<void*>(window_), Running() ? "running" : "ended",
                     hidden_ && hidden_() ? "hidden" : "not hidden");
        return false;
      }
      WaitPumping(nullptr, 20);
    }
    while (WaitForInputIdle(process_.Get(), 0) == WAIT_TIMEOUT) {
      if (GetTickCount() - start > kStartTimeoutMs) {
        std::fprintf(stderr, "%s did not wait for input\n", name_.c_str());
        return false;
      }
      WaitPumping(nullptr, 20);
    }
    // Answered from the main loop once the hide has returned.
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_BLOCK, kStartTimeoutMs, &ignored)) {
      std::fprintf(stderr, "%s did not go idle\n", name_.c_str());
      return false;
    }
    WindowSearch search{processId_, nullptr, nullptr, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      char title[256] = "";
      char className[256] = "";
      GetWindowTextA(search.found, title, sizeof title);
      GetClassNameA(search.found, className, sizeof className);
      std::fprintf(stderr, "%s shows a window: %s \"%s\"%s\n", name_.c_str(), className, title,
                   MessageText(search.found).c_str());
      return false;
    }
    return true;
  }

  // User plus kernel time so far, as the process reports it.
  std::optional<double> CpuMs() const { return ProcessCpuMs(process_.Get()); }

  // The same summed over the threads that live now. Wine 8 answers
  // GetProcessTimes for another process with the caller's own times, but
  // reads each thread's times from the kernel.
  std::optional<double> ThreadCpuMs() const {
    const UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    if (!snapshot || !Thread32First(snapshot.Get(), &entry)) return std::nullopt;
    double sum = 0.0;
    do {
      if (entry.th32OwnerProcessID != processId_) continue;
      const UniqueKernelHandle thread(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID));
      FILETIME created, ended, kernel, user;
      if (!thread || !GetThreadTimes(thread.Get(), &created, &ended, &kernel, &user)) return std::nullopt;
      sum += Milliseconds(kernel) + Milliseconds(user);
    } while (Thread32Next(snapshot.Get(), &entry));
    return sum;
  }

  DWORD MainThreadId() const { return mainThreadId_; }
  HWND Window() const { return window_; }
  bool Running() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

  // WM_CLOSE is the dialog's way out (for Stowpouch, its Exit button).
  bool Stop() {
    if (!Running()) return true;
    const HWND window = window_ ? window_ : Find();
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitPumping(process_.Get(), kStopTimeoutMs)) return true;
    std::fprintf(stderr, "%s did not quit; ended by force\n", name_.c_str());
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), kStopTimeoutMs);
    return false;
  }

 private:
  HWND Find() const {
    WindowSearch search{processId_, className_, caption_, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  std::string name_;
  const char* className_;
  const char* caption_;
  bool (*hidden_)();
  UniqueKernelHandle process_;
  DWORD mainThreadId_ = 0;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// The run's settings: the defaults, which switch the tray icon, the edge
// watch and the key hook on, and a hide and a quit that ask nothing.
bool ApplyRunSettings(const SettingsGuard& settings) {
  return settings.Apply({{"HideStartup", 1}, {"QueryHide", 1}, {"QueryQuit", 1}});
}

// The hide path saves every setting before it hides the window, so a value
// the run did not write shows it has been taken.
bool StowpouchHidden() {
  return RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, "SortMenuItem", RRF_RT_REG_DWORD,
                      nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::unique_ptr<Program> StartStowpouch(const SettingsGuard& settings) {
  if (!ApplyRunSettings(settings)) {
    std::fprintf(stderr, "cannot write the settings key\n");
    return nullptr;
  }
  auto program = std::make_unique<Program>("Stowpouch.exe", "/hide", STOWPOUCH_WINDOW_CLASS,
                                           nullptr, StowpouchHidden);
  if (!program->WaitIdle()) return nullptr;
  return program;
}

// --- 1. idle cost -------------------------------------------------------------

struct CpuPair {
  double stowpouch = 0.0;
  double bare = 0.0;
};

template <typename Read>
std::optional<CpuPair> ReadBoth(const Program& stowpouch, const Program& bare, Read read) {
  const auto first = read(stowpouch);
  const auto second = read(bare);
  if (!first || !second) return std::nullopt;
  return CpuPair{*first, *second};
}

void PrintIdle(const char* source, const CpuPair& start, const CpuPair& end, int seconds) {
  const double stowMs = end.stowpouch - start.stowpouch;
  const double bareMs = end.bare - start.bare;
  std::printf("idle %d s, CPU user+kernel by %s (ms): Stowpouch %.1f  bare dialog %.1f  "
              "difference %+.1f  (start-up %.1f and %.1f)\n",
              seconds, source, stowMs, bareMs, stowMs - bareMs, start.stowpouch, start.bare);
  std::printf("goal: Stowpouch <= bare + %.0f ms by %s: goal %s\n", kIdleGoalMs, source,
              stowMs <= bareMs + kIdleGoalMs ? "met" : "missed");
}

bool MeasureIdle(const SettingsGuard& settings, int seconds) {
  Program bare("BareDialog.exe", "", nullptr, kBareDialogCaption);
  const std::unique_ptr<Program> stowpouch = StartStowpouch(settings);
  if (!stowpouch || !bare.WaitIdle()) return false;
  WaitPumping(nullptr, kSettleMs);
  const auto byProcess = [](const Program& program) { return program.CpuMs(); };
  const auto byThreads = [](const Program& program) { return program.ThreadCpuMs(); };
  const auto ownStart = ProcessCpuMs(GetCurrentProcess());
  const auto processStart = ReadBoth(*stowpouch, bare, byProcess);
  const auto threadStart = ReadBoth(*stowpouch, bare, byThreads);
  WaitPumping(nullptr, static_cast<DWORD>(seconds) * 1000);
  const auto processEnd = ReadBoth(*stowpouch, bare, byProcess);
  const auto threadEnd = ReadBoth(*stowpouch, bare, byThreads);
  if (!ownStart || !processStart || !threadStart || !processEnd || !threadEnd) {
    std::fprintf(stderr, "cannot read the CPU times: error %lu\n", GetLastError());
    return false;
  }
  if (processStart->stowpouch == *ownStart && processStart->bare == *ownStart)
    std::printf("GetProcessTimes gave both programs the bench's own %.1f ms: not theirs\n",
                *ownStart);
  else
    PrintIdle("GetProcessTimes", *processStart, *processEnd, seconds);
  PrintIdle("GetThreadTimes", *threadStart, *threadEnd, seconds);
  return stowpouch->Stop() && bare.Stop();
}

// --- 2. hook cost -------------------------------------------------------------

constexpr char kTargetClass[] = "IdleBenchTarget";
// The bursts stay inside this window, far from every screen edge.
constexpr RECT kTargetRect = {100, 100, 900, 600};
// Every move of a burst but the last lies above this line; the last below it,
// so a move seen below it is the last one, however the queue merged moves.
constexpr LONG kLastMoveY = 520;

INPUT MoveTo(LONG x, LONG y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
  input.mi.dy = (y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

INPUT Key(bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_F24;  // on no keyboard, bound to nothing
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

std::vector<INPUT> MouseBurst() {
  std::vector<INPUT> inputs;
  for (int i = 0; i < kMoves - 1; ++i) inputs.push_back(MoveTo(200 + (i * 7) % 600, 200 + (i * 13) % 200));
  inputs.push_back(MoveTo(500, kLastMoveY + 20));
  return inputs;
}

std::vector<INPUT> KeyBurst() {
  std::vector<INPUT> inputs;
  for (int i = 0; i < kPresses; ++i) {
    inputs.push_back(Key(false));
    inputs.push_back(Key(true));
  }
  return inputs;
}

// The window the bursts go to; its thread is this one.
class Target {
 public:
  Target() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kTargetClass;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&windowClass);
    window_.Reset(CreateWindowExA(WS_EX_TOPMOST, kTargetClass, "IdleBench", WS_POPUP | WS_VISIBLE,
                                  kTargetRect.left, kTargetRect.top,
                                  kTargetRect.right - kTargetRect.left,
                                  kTargetRect.bottom - kTargetRect.top, nullptr, nullptr,
                                  windowClass.hInstance, nullptr));
  }

  // In the foreground with the focus, so the keys come here.
  bool Front() const {
    const DWORD start = GetTickCount();
    while (GetForegroundWindow() != window_.Get() || GetFocus() != window_.Get()) {
      SetForegroundWindow(window_.Get());
      SetFocus(window_.Get());
      Pump([](const MSG&) { return false; }, 50);
      if (GetTickCount() - start > kStartTimeoutMs) return false;
    }
    return true;
  }

  // µs from before SendInput until the last move arrived; nullopt on failure.
  std::optional<double> Mouse() const {
    // The pointer starts inside the burst's area, so that no stray move at
    // the last point (as when windows change under the pointer) counts.
    INPUT first = MoveTo(300, 300);
    SendInput(1, &first, sizeof first);
    if (!Pump([](const MSG& msg) { return IsMoveAbove(msg); }, kBurstTimeoutMs)) return std::nullopt;
    Drain();
    std::vector<INPUT> inputs = MouseBurst();
    const double start = Now();
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
      return std::nullopt;
    if (!Pump([](const MSG& msg) { return IsLastMove(msg); }, kBurstTimeoutMs)) return std::nullopt;
    return Now() - start;
  }

  // µs from before SendInput until the last key release arrived.
  std::optional<double> Keys() const {
    Drain();
    std::vector<INPUT> inputs = KeyBurst();
    int releases = 0;
    const double start = Now();
    if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
      return std::nullopt;
    const bool all = Pump(
        [&releases](const MSG& msg) {
          return msg.message == WM_KEYUP && msg.wParam == VK_F24 && ++releases == kPresses;
        },
        kBurstTimeoutMs);
    if (!all) return std::nullopt;
    return Now() - start;
  }

 private:
  static bool IsMoveAbove(const MSG& msg) {
    return msg.message == WM_MOUSEMOVE && msg.pt.y < kLastMoveY;
  }
  static bool IsLastMove(const MSG& msg) {
    return msg.message == WM_MOUSEMOVE && msg.pt.y >= kLastMoveY;
  }

  // Handles this thread's messages until `done` holds for one of them.
  template <typename Done>
  static bool Pump(Done done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        const bool finished = done(msg);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (finished) return true;
      }
      const DWORD spent = GetTickCount() - start;
      if (spent >= timeoutMs) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - spent, QS_ALLINPUT);
    }
  }

  static void Drain() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

  UniqueWindow window_;
};

struct Burst {
  double mouseUs = 0.0;  // per move
  double keyUs = 0.0;    // per key event (a press is two)
};

std::optional<Burst> MeasureBurst(const Target& target) {
  const auto mouse = target.Mouse();
  const auto keys = target.Keys();
  if (!mouse || !keys) {
    std::fprintf(stderr, "a burst did not arrive whole\n");
    return std::nullopt;
  }
  return Burst{*mouse / kMoves, *keys / (2 * kPresses)};
}

// Resumes the thread whatever way the busy round ends.
class Suspension {
 public:
  explicit Suspension(HANDLE thread)
      : thread_(thread), held_(SuspendThread(thread) != static_cast<DWORD>(-1)) {}
  ~Suspension() {
    if (held_) ResumeThread(thread_);
  }
  Suspension(const Suspension&) = delete;
  Suspension& operator=(const Suspension&) = delete;
  bool Held() const { return held_; }

 private:
  HANDLE thread_;
  bool held_;
};

// The same bursts while Stowpouch's main thread is stopped, as a window busy
// for at least kBusyMs would be, or for as long as the bursts take.
std::optional<Burst> MeasureBusy(const Target& target, const Program& stowpouch, double* stoppedMs) {
  const UniqueKernelHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, stowpouch.MainThreadId()));
  if (!thread || GetWindowThreadProcessId(stowpouch.Window(), nullptr) != stowpouch.MainThreadId()) {
    std::fprintf(stderr, "cannot reach Stowpouch's main thread: error %lu\n", GetLastError());
    return std::nullopt;
  }
  const Suspension suspension(thread.Get());
  if (!suspension.Held()) return std::nullopt;
  const double start = Now();
  const auto burst = MeasureBurst(target);
  const double spentMs = (Now() - start) / 1000;
  if (spentMs < kBusyMs) Sleep(kBusyMs - static_cast<DWORD>(spentMs));
  *stoppedMs = (Now() - start) / 1000;
  return burst;
}

struct Samples {
  std::vector<double> mouse, keys;
  void Add(const Burst& burst) {
    mouse.push_back(burst.mouseUs);
    keys.push_back(burst.keyUs);
  }
};

std::vector<double> Differences(const std::vector<double>& with, const std::vector<double>& without) {
  std::vector<double> result;
  for (size_t i = 0; i < with.size() && i < without.size(); ++i) result.push_back(with[i] - without[i]);
  return result;
}

// A program whose low-level hooks do nothing, on threads of their own: what
// any hook costs on this platform.
std::unique_ptr<Program> StartNoOpHooks() {
  auto program = std::make_unique<Program>("BareDialog.exe", "/hooks", nullptr, kBareDialogCaption);
  if (!program->WaitIdle()) return nullptr;
  return program;
}

void PrintRow(const char* name, double mouse, double keys) {
  std::printf("  %-40s %9.1f %9.1f\n", name, mouse, keys);
}

// A burst with the CPU time the hooked program spent on it, in µs per event
// of either kind (the sum over its threads, in the kernel's 10 ms ticks).
std::optional<Burst> MeasureCharged(const Target& target, const Program& program, double* cpuUs) {
  const auto before = program.ThreadCpuMs();
  const auto burst = MeasureBurst(target);
  const auto after = program.ThreadCpuMs();
  if (before && after) *cpuUs = (*after - *before) * 1000 / (kMoves + 2 * kPresses);
  return burst;
}

bool MeasureHooks(const SettingsGuard& settings, int rounds) {
  const Target target;
  if (!target.Front()) {
    std::fprintf(stderr, "the bench window cannot take the foreground\n");
    return false;
  }
  // Warms the input path of this process and of the desktop.
  if (!MeasureBurst(target)) return false;
  Samples without, noOp, with, busy;
  std::vector<double> stoppedMs, noOpCpu, stowpouchCpu;
  for (int round = 0; round < rounds; ++round) {
    const auto bare = MeasureBurst(target);
    const std::unique_ptr<Program> hooks = bare ? StartNoOpHooks() : nullptr;
    double floorCpu = 0.0;
    const auto floor = hooks && target.Front() ? MeasureCharged(target, *hooks, &floorCpu) : std::nullopt;
    if (!floor || !hooks->Stop()) return false;
    const std::unique_ptr<Program> stowpouch = StartStowpouch(settings);
    if (!stowpouch || !target.Front()) return false;
    double hookedCpu = 0.0;
    const auto hooked = MeasureCharged(target, *stowpouch, &hookedCpu);
    double stopped = 0.0;
    const auto suspended = hooked ? MeasureBusy(target, *stowpouch, &stopped) : std::nullopt;
    if (!suspended || !stowpouch->Stop() || !target.Front()) return false;
    without.Add(*bare);
    noOp.Add(*floor);
    with.Add(*hooked);
    busy.Add(*suspended);
    stoppedMs.push_back(stopped);
    noOpCpu.push_back(floorCpu);
    stowpouchCpu.push_back(hookedCpu);
    std::fprintf(stderr,
                 "round %d of %d, us per mouse/key event: none %.0f/%.0f  no-op %.0f/%.0f  "
                 "Stowpouch %.0f/%.0f  stopped %.0f/%.0f\n",
                 round + 1, rounds, bare->mouseUs, bare->keyUs, floor->mouseUs, floor->keyUs,
                 hooked->mouseUs, hooked->keyUs, suspended->mouseUs, suspended->keyUs);
  }
  using bench::Median;
  std::printf("\nhooks: %d mouse moves and %d key presses per burst, median of %d rounds,\n"
              "us per event (a move; a key press or a release):\n  %-40s %9s %9s\n",
              kMoves, kPresses, rounds, "", "mouse", "key");
  PrintRow("no low-level hook", Median(without.mouse), Median(without.keys));
  PrintRow("no-op hooks (BareDialog /hooks)", Median(noOp.mouse), Median(noOp.keys));
  PrintRow("Stowpouch", Median(with.mouse), Median(with.keys));
  PrintRow("Stowpouch, main thread stopped", Median(busy.mouse), Median(busy.keys));
  const Burst added{Median(Differences(with.mouse, without.mouse)),
                    Median(Differences(with.keys, without.keys))};
  const Burst addedBusy{Median(Differences(busy.mouse, without.mouse)),
                        Median(Differences(busy.keys, without.keys))};
  PrintRow("added by no-op hooks", Median(Differences(noOp.mouse, without.mouse)),
           Median(Differences(noOp.keys, without.keys)));
  PrintRow("added by Stowpouch's hooks", added.mouseUs, added.keyUs);
  PrintRow("added, main thread stopped", addedBusy.mouseUs, addedBusy.keyUs);
  PrintRow("Stowpouch beyond no-op hooks", Median(Differences(with.mouse, noOp.mouse)),
           Median(Differences(with.keys, noOp.keys)));
  PrintRow("stopped beyond running", Median(Differences(busy.mouse, with.mouse)),
           Median(Differences(busy.keys, with.keys)));
  std::printf("  (main thread stopped for %.0f ms per round, median)\n", Median(stoppedMs));
  std::printf("CPU time of the hooked program per event, all its threads: no-op hooks %.1f us, "
              "Stowpouch %.1f us\n", Median(noOpCpu), Median(stowpouchCpu));
  const auto verdict = [](const Burst& burst) {
    return burst.mouseUs <= kHookGoalUs && burst.keyUs <= kHookGoalUs ? "met" : "missed";
  };
  std::printf("goal: added <= %.0f us per event: goal %s\n", kHookGoalUs, verdict(added));
  std::printf("goal: added <= %.0f us per event, main thread stopped: goal %s\n", kHookGoalUs,
              verdict(addedBusy));
  return true;
}

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    if (i + 1 >= argc) return false;
    char* end = nullptr;
    const long value = std::strtol(argv[i + 1], &end, 10);
    if (*end != '\0' || value < 1 || value > 3600) return false;
    if (std::strcmp(argv[i], "-s") == 0) options->seconds = static_cast<int>(value);
    else if (std::strcmp(argv[i], "-r") == 0) options->rounds = static_cast<int>(value);
    else return false;
    ++i;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: IdleBench [-s SECONDS] [-r ROUNDS]\n");
    return 2;
  }
  if (FindWindowA(STOWPOUCH_WINDOW_CLASS, nullptr)) {
    std::fprintf(stderr, "Stowpouch is running; quit it before the bench\n");
    return 1;
  }
  bool ok = false;
  {
    const SettingsGuard settings;
    ok = MeasureIdle(settings, options.seconds) && MeasureHooks(settings, options.rounds);
  }
  std::fflush(stdout);
  return ok ? 0 : 1;
}
