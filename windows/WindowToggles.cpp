#include "windows/WindowToggles.h"

#include <utility>

#include "windows/WindowCommands.h"

namespace {

// Restores every saved window and forgets them.
void RestoreAll(SavedPouchLists& lists) {
  RestoreSavedWindows(lists);
  lists = SavedPouchLists();
}

SavedPouchLists UnminimizedPouchWindows() {
  PouchLists lists;
  BuildPouchLists(lists, 0);
  return SavePouchLists(lists);
}

}  // namespace

void WindowToggles::ToggleMinimizePouch() {
  if (AnySaved(minimizedPouch_)) {
    RestoreAll(minimizedPouch_);
    return;
  }
  minimizedPouch_ = UnminimizedPouchWindows();
  MinimizeSavedWindows(minimizedPouch_);
}

void WindowToggles::ToggleHideOthers() {
  if (!hiddenOthers_.empty()) {
    ForEachStillThere(hiddenOthers_, [](HWND window) { ShowWindowSafely(window, SW_SHOW); });
    hiddenOthers_.clear();
    HiddenOthersChanged();
    return;
  }
  WindowList others;
  BuildOtherWindowList(others, 1);
  // Recorded before they go: a crash in between leaves none hidden unlisted.
  hiddenOthers_ = SaveWindows(others);
  HiddenOthersChanged();
  for (HWND window : others) ShowWindowSafely(window, SW_HIDE);
}

SavedWindowList WindowToggles::TakeHiddenOthers() {
  SavedWindowList taken;
  taken.swap(hiddenOthers_);
  HiddenOthersChanged();
  return taken;
}

void WindowToggles::WhenHiddenOthersChange(std::function<void()> changed) {
  hiddenOthersChanged_ = std::move(changed);
}

void WindowToggles::HiddenOthersChanged() const {
  if (hiddenOthersChanged_) hiddenOthersChanged_();
}

void WindowToggles::ToggleMinimizeOthersRestorePouch() {
  if (minimizedOthers_.empty()) {
    WindowList others;
    BuildOtherWindowList(others, 0);
    for (HWND window : others) {
      minimizedOthers_.emplace_back(window);
      ShowWindowSafely(window, SW_MINIMIZE);
    }
    RestoreAll(pouchToRestore_);
    return;
  }
  ForEachStillThere(minimizedOthers_, RestoreAndActivate);
  minimizedOthers_.clear();
  pouchToRestore_ = UnminimizedPouchWindows();
  MinimizeSavedWindows(pouchToRestore_);
}

WindowToggles& TheWindowToggles() {
  static WindowToggles toggles;
  return toggles;
}
