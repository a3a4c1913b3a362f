#pragma once
// The function commands that undo themselves: the first use minimises or
// hides windows and remembers them, the next brings back exactly those. The
// remembered windows live in memory for the run only; the hidden ones are
// also in the hidden-window record (windows/HiddenWindows.h).
#include <functional>

#include "windows/SavedWindows.h"

class WindowToggles {
 public:
  // Minimises the unminimised pouch windows, then restores them.
  void ToggleMinimizePouch();
  // Hides every other application window, then shows them again.
  void ToggleHideOthers();
  // The windows the Hide Others toggle hid and has not shown again.
  const SavedWindowList& HiddenOthers() const { return hiddenOthers_; }
  // The same, and the toggle forgets them.
  SavedWindowList TakeHiddenOthers();
  // `changed` runs after every change of HiddenOthers(), so that the
  // hidden-window record keeps them for a start after a crash.
  void WhenHiddenOthersChange(std::function<void()> changed);
  // Minimises the other applications and restores the pouch windows saved
  // last time; the next use restores those applications and minimises the
  // pouch windows.
  void ToggleMinimizeOthersRestorePouch();

 private:
  void HiddenOthersChanged() const;

  SavedPouchLists minimizedPouch_;
  SavedWindowList hiddenOthers_;
  std::function<void()> hiddenOthersChanged_;
  SavedWindowList minimizedOthers_;
  SavedPouchLists pouchToRestore_;
};

// The toggles of the function commands, kept for the program's lifetime.
WindowToggles& TheWindowToggles();
