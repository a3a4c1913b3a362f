#include "windows/ExplorerLayout.h"

#include <string>
#include <vector>

#include "framework/AppWindow.h"
#include "framework/Handles.h"
#include "windows/TileLayout.h"
#include "windows/WindowCommands.h"
#include "windows/WindowLists.h"

namespace {

constexpr char kExplorerCommand[] = "explorer.exe /e, /select, c:\\";
constexpr char kCannotRunExplorer[] = "Cannot run Explorer. Check your path";
constexpr std::size_t kMostWindowsLaidOut = 10;
constexpr DWORD kIdleStepMs = 1000;

using ProcessList = std::vector<UniqueKernelHandle>;

bool StartExplorer(ProcessList& started) {
  std::string commandLine = kExplorerCommand;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                      nullptr, nullptr, &startup, &info))
    return false;
  CloseHandle(info.hThread);
  started.emplace_back(info.hProcess);
  return true;
}

// A process that never takes input (hung, or not a windowed program at all)
// must not hold the whole program, so each one gets a bounded wait.
void WaitUntilIdle(const ProcessList& started, DWORD idleWaitMs) {
  const DWORD step = idleWaitMs < kIdleStepMs ? idleWaitMs : kIdleStepMs;
  for (const UniqueKernelHandle& process : started) {
    for (DWORD waited = 0; waited < idleWaitMs; waited += step)
      if (WaitForInputIdle(process.Get(), step) != WAIT_TIMEOUT) break;
  }
}

BOOL CALLBACK CollectExplorerWindow(HWND window, LPARAM context) {
  char className[257];  // a class name reaches 256 characters
  if (GetClassNameA(window, className, sizeof className) > 0 &&
      ClassNameEquals(className, "ExploreWClass"))
    reinterpret_cast<WindowList*>(context)->push_back(window);
  return TRUE;
}

WindowList ExplorerWindows() {
  WindowList windows;
  EnumWindows(CollectExplorerWindow, reinterpret_cast<LPARAM>(&windows));
  if (windows.size() > kMostWindowsLaidOut) windows.resize(kMostWindowsLaidOut);
  return windows;
}

}  // namespace

void RunExplorerLayout(int layout, DWORD idleWaitMs) {
  if (layout < 0 || layout > 2) return;
  ProcessList started;
  if (!StartExplorer(started) || !StartExplorer(started)) {
    AppMessageBox(kCannotRunExplorer, MB_OK);
    return;
  }
  if (layout == 2 && (!StartExplorer(started) || !StartExplorer(started))) return;

  WaitUntilIdle(started, idleWaitMs);
  started.clear();
  Sleep(GetSystemMetrics(SM_SLOWMACHINE) == 1 ? 3000 : 1000);

  const WindowList windows = ExplorerWindows();
  const std::vector<WindowRect> places = ExplorerLayoutRectangles(
      static_cast<ExplorerLayout>(layout), static_cast<int>(windows.size()), CurrentScreenMetrics());
  for (std::size_t i = 0; i < places.size(); ++i)
    MoveWindowSafely(windows[i], places[i]);
}
