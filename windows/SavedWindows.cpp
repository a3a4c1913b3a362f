#include "windows/SavedWindows.h"

#include "framework/Controls.h"

SavedWindow::SavedWindow(HWND window)
    : window_(window), thread_(GetWindowThreadProcessId(window, nullptr)) {}

bool SavedWindow::StillThere() const {
  return thread_ != 0 && IsWindow(window_) == TRUE &&
         GetWindowThreadProcessId(window_, nullptr) == thread_;
}

SavedWindowList SaveWindows(const WindowList& windows) {
  return SavedWindowList(windows.begin(), windows.end());
}

SavedPouchLists SavePouchLists(const PouchLists& lists) {
  SavedPouchLists saved;
  for (std::size_t kind = 0; kind < lists.size(); ++kind) saved[kind] = SaveWindows(lists[kind]);
  return saved;
}

bool AnySaved(const SavedPouchLists& lists) {
  for (const SavedWindowList& list : lists)
    if (!list.empty()) return true;
  return false;
}

SavedWindowList ListWindowTitles(HWND listBox, const WindowList& windows) {
  SavedWindowList listed;
  for (HWND window : windows)
    if (ListBoxAdd(listBox, WindowTitle(window)) >= 0) listed.emplace_back(window);
  return listed;
}
