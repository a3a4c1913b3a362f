#pragma once
// Drives WindowFarm.exe, a program of ours that creates top-level windows of
// any class, title and state in its own process, so that the tests and the
// benchmarks look at other programs' windows the way Stowpouch does.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Handles.h"
#include "tests/support/helper/HelperClient.h"

namespace farm {

enum class ShowState { kHidden, kNormal, kMinimized, kMaximized };

struct WindowSpec {
  std::string className = "FarmWindow";  // registered by the farm on first use
  std::string title = "Farm window";
  ShowState state = ShowState::kNormal;
  bool popup = false;     // WS_POPUP instead of WS_OVERLAPPEDWINDOW
  HWND owner = nullptr;   // a farm window that owns the new one
  bool child = false;     // a WS_CHILD window inside `owner` instead
  int x = 40;
  int y = 40;
  int width = 320;
  int height = 200;
  // Plain child windows put in before any document view.
  int plainChildren = 0;
  // Where a "Shell DocObject View" window goes: 0 none, 1 a child of the new
  // window, 2 a grandchild (inside a child), and so on.
  int documentViewDepth = 0;
};

// A window of `className` with `title` in `state`, the rest as above.
WindowSpec Spec(const std::string& className, const std::string& title,
                ShowState state = ShowState::kNormal);

class WindowFarm {
 public:
  // Starts WindowFarm.exe from this program's folder and waits until it
  // takes requests; Running() tells whether that worked.
  WindowFarm();
  // Ends the farm and with it every window it made.
  ~WindowFarm();
  WindowFarm(const WindowFarm&) = delete;
  WindowFarm& operator=(const WindowFarm&) = delete;

  bool Running() const { return process_.Running(); }
  DWORD ProcessId() const { return process_.ProcessId(); }

  // The new window, or null when the farm could not make it.
  HWND Create(const WindowSpec& spec);
  // Destroys a farm window (DestroyWindow in the farm's process).
  bool Destroy(HWND window);
  // How often a farm window has been hidden (WM_SHOWWINDOW with FALSE) by
  // anyone, or -1 when the farm does not know it.
  int TimesHidden(HWND window);
  // Makes the farm stop taking messages, as a program does that hangs,
  // until EndHang (or a minute has passed); returns at once.
  bool Hang();
  void EndHang();
  // Returns once the farm's thread has handled what was pending for it.
  bool Settle();
  // Registers a global hotkey in the farm's process, held until the farm
  // ends; false when the system refused it.
  bool HoldHotKey(UINT modifiers, UINT virtualKey);
  // How many WM_HOTKEY the held hotkeys have brought the farm, or -1.
  int HotKeysReceived();
  // The windows of `windows` that belong to this farm, in the same order.
  std::vector<HWND> Own(const std::vector<HWND>& windows) const;

 private:
  helper::HelperProcess process_;
  UniqueKernelHandle release_;
};

}  // namespace farm
