#pragma once
// Windows remembered for a while (by the undo toggles and the Windows-key
// commands) and acted on later. By then a window may have closed and its
// handle may even name a new window, possibly one of our own dialogs; a saved
// window therefore remembers the thread that owned it and is only acted on
// while that still holds.
#include <windows.h>

#include <array>
#include <vector>

#include "windows/WindowLists.h"

class SavedWindow {
 public:
  explicit SavedWindow(HWND window);
  // A window saved earlier by its handle and the thread that owned it then.
  SavedWindow(HWND window, DWORD thread) : window_(window), thread_(thread) {}
  HWND Get() const { return window_; }
  DWORD Thread() const { return thread_; }
  // Still a window, and still the one that was saved.
  bool StillThere() const;

 private:
  HWND window_;
  DWORD thread_;
};

using SavedWindowList = std::vector<SavedWindow>;
using SavedPouchLists = std::array<SavedWindowList, kWindowKindCount>;

SavedWindowList SaveWindows(const WindowList& windows);
// Adds the title of each window to `listBox`, in order, and saves the windows
// row for row with it (a row that did not go in gets no window).
SavedWindowList ListWindowTitles(HWND listBox, const WindowList& windows);
SavedPouchLists SavePouchLists(const PouchLists& lists);
bool AnySaved(const SavedPouchLists& lists);

// Calls `action` for every saved window that is still there, in order.
template <typename Action>
void ForEachStillThere(const SavedWindowList& windows, Action action) {
  for (const SavedWindow& saved : windows)
    if (saved.StillThere()) action(saved.Get());
}
