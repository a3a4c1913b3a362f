#include "windows/WindowCommands.h"

#include <algorithm>

#include "framework/AppWindow.h"
#include "windows/TileLayout.h"

void ShowWindowSafely(HWND window, int command) {
  if (IsHungAppWindow(window))
    ShowWindowAsync(window, command);
  else
    ShowWindow(window, command);
}

namespace {

// SetWindowPos waits for the window's program as ShowWindow does; the
// asynchronous form queues the request for a hung one instead.
void SetWindowPosSafely(HWND window, HWND insertAfter, const WindowRect& place, UINT flags) {
  if (IsHungAppWindow(window)) flags |= SWP_ASYNCWINDOWPOS;
  SetWindowPos(window, insertAfter, place.x, place.y, place.width, place.height, flags);
}

}  // namespace

void MoveWindowSafely(HWND window, const WindowRect& place) {
  SetWindowPosSafely(window, nullptr, place, SWP_NOZORDER | SWP_NOACTIVATE);
}

int RestoreAndActivate(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  if (placement.showCmd != SW_SHOWMAXIMIZED) {
    ShowWindowSafely(window, (placement.flags & WPF_RESTORETOMAXIMIZED) != 0 ? SW_SHOWMAXIMIZED
                                                                             : SW_RESTORE);
  }
  SetForegroundWindow(window);
  return 1;
}

void MinimizeSavedWindows(const SavedPouchLists& lists) {
  for (const SavedWindowList& list : lists)
    for (const SavedWindow& saved : list) ShowWindowSafely(saved.Get(), SW_MINIMIZE);
}

void RestoreSavedWindows(const SavedPouchLists& lists) {
  for (const SavedWindowList& list : lists) ForEachStillThere(list, RestoreAndActivate);
}

namespace {

template <typename Action>
void ForEachPouchWindow(int kind, Action action) {
  PouchLists lists;
  BuildPouchLists(lists, 1);
  for (std::size_t k = 0; k < lists.size(); ++k) {
    if (kind != kAllKinds && static_cast<std::size_t>(kind) != k) continue;
    for (HWND window : lists[k]) action(window);
  }
}

}  // namespace

void MinimizePouchWindows(int kind) {
  ForEachPouchWindow(kind, [](HWND window) { ShowWindowSafely(window, SW_MINIMIZE); });
}

void ClosePouchWindows(int kind) {
  ForEachPouchWindow(kind, [](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); });
}

ScreenMetrics CurrentScreenMetrics() {
  ScreenMetrics screen;
  screen.width = GetSystemMetrics(SM_CXMAXIMIZED);
  screen.height = GetSystemMetrics(SM_CYMAXIMIZED);
  screen.frameX = GetSystemMetrics(SM_CXFRAME);
  screen.frameY = GetSystemMetrics(SM_CYFRAME);
  screen.borderX = GetSystemMetrics(SM_CXBORDER);
  screen.borderY = GetSystemMetrics(SM_CYBORDER);
  return screen;
}

void TileFolders() {
  PouchLists lists;
  BuildPouchLists(lists, 1);
  WindowList folders;
  for (HWND window : lists[KindIndex(WindowKind::Folder)])
    if (!IsIconic(window) && IsWindowVisible(window)) folders.push_back(window);

  const std::vector<WindowRect> places =
      TileRectangles(static_cast<int>(folders.size()), CurrentScreenMetrics());
  for (std::size_t i = 0; i < folders.size() && i < places.size(); ++i) {
    MoveWindowSafely(folders[i], places[i]);
    SetForegroundWindow(folders[i]);
  }
}

void MinimizeOthersAndTileFolders() {
  WindowList others;
  BuildOtherWindowList(others, 1);
  for (HWND window : others) ShowWindowSafely(window, SW_MINIMIZE);
  TileFolders();
}

namespace {

// Puts the windows back into their stacking order, first in front. Each goes
// to the top of its own band, so topmost windows stay topmost.
void Restack(const WindowList& frontToBack) {
  for (auto it = frontToBack.rbegin(); it != frontToBack.rend(); ++it)
    SetWindowPosSafely(*it, HWND_TOP, WindowRect{}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

int RefreshTaskbarButtons() {
  // A shown window comes to the top, so without care the refresh would leave
  // the user's windows in reverse order with the back-most one active.
  const HWND foreground = GetForegroundWindow();
  WindowList candidates;
  EnumerateCandidateWindows(candidates);
  for (HWND window : candidates) {
    ShowWindowSafely(window, SW_HIDE);
    ShowWindowSafely(window, SW_SHOWNA);
    DrainMessageQueue();
  }
  Restack(candidates);
  if (foreground != nullptr && IsWindowVisible(foreground)) SetForegroundWindow(foreground);
  return 1;
}

namespace {

bool Contains(const WindowList& list, HWND window) {
  return std::find(list.begin(), list.end(), window) != list.end();
}

BOOL CALLBACK AppendTopLevel(HWND window, LPARAM list) {
  reinterpret_cast<WindowList*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

void ShowInStackingOrder(const WindowList& windows) {
  if (windows.empty()) return;
  // A hidden window keeps its place in the stacking order, but showing it
  // brings it to the top.
  const HWND foreground = GetForegroundWindow();
  WindowList candidates;
  EnumerateCandidateWindows(candidates);
  WindowList topLevel;
  EnumWindows(AppendTopLevel, reinterpret_cast<LPARAM>(&topLevel));
  WindowList order;
  for (HWND window : topLevel)
    if (Contains(windows, window) || Contains(candidates, window)) order.push_back(window);
  for (HWND window : windows) ShowWindowSafely(window, SW_SHOWNA);
  Restack(order);
  if (foreground != nullptr && IsWindowVisible(foreground)) SetForegroundWindow(foreground);
}
