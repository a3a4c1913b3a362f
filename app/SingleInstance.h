#pragma once
// One copy per session, also when two start at the same moment (the log-on
// shortcut and the user): a named mutex, owned by the copy that runs,
// decides before any window exists; the other waits until the first has
// its main window. A copy started while the last one is still ending (its
// window gone, its process not yet) waits for it to end and then runs.
#include <windows.h>

#include "framework/Handles.h"

class SingleInstance {
 public:
  SingleInstance() = default;
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  ~SingleInstance();

  // True for the copy that is to run; the claim is held until destruction.
  // False when another copy runs: `running` is its main window, or null
  // when it showed none within a generous wait.
  bool Claim(HWND& running);
  // The main window exists: a copy that lost the claim may show it now.
  static void AnnounceMainWindow();

 private:
  bool Own();

  UniqueKernelHandle mutex_;
  UniqueKernelHandle ready_;
  bool owned_ = false;
};
