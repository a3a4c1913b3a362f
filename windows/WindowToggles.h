#pragma once
// The function commands that undo themselves: the first use minimises or
// hides windows and remembers them, the next brings back exactly those. The
// remembered windows live in memory for the run only.
#include "windows/SavedWindows.h"

class WindowToggles {
 public:
  // Minimises the unminimised pouch windows, then restores them.
  void ToggleMinimizePouch();
  // Hides every other application window, then shows them again.
  void ToggleHideOthers();
  // The windows the Hide Others toggle hid and has not shown again; the
  // toggle forgets them.
  SavedWindowList TakeHiddenOthers();
  // Minimises the other applications and restores the pouch windows saved
  // last time; the next use restores those applications and minimises the
  // pouch windows.
  void ToggleMinimizeOthersRestorePouch();

 private:
  SavedPouchLists minimizedPouch_;
  SavedWindowList hiddenOthers_;
  SavedWindowList minimizedOthers_;
  SavedPouchLists pouchToRestore_;
};

// The toggles of the function commands, kept for the program's lifetime.
WindowToggles& TheWindowToggles();
