#pragma once
// The pouch windows' buttons on a taskbar that Graftling does not filter:
// every taskbar but the old one with the tab control. Stowpouch takes their
// buttons away itself through ITaskbarList, which works on any program's
// window, and gives back exactly the buttons it took. The windows are those
// the filter would swallow under the same settings (shellext/FilterVerdict).
#include <windows.h>
#include <shobjidl.h>

#include "framework/Handles.h"
#include "shellext/FilterRules.h"
#include "windows/SavedWindows.h"

// Posted to the main window by the window-event hook: wParam the window,
// lParam what happened to it; and by the buttons' record itself, to write
// the session key once the queue's events are done.
constexpr UINT kTaskbarWindowEventMessage = WM_APP + 2;
enum : LPARAM {
  kWindowRetitled = 0,
  kWindowAppeared = 1,  // created or shown
  kStoreTakenWindows = 2,
};

// The session key's value that lists the windows whose buttons were taken,
// so that a start after a crash can give them back.
constexpr const char kTaskbarButtonsValue[] = "TaskbarButtons";

class TaskbarButtons {
 public:
  // The windows a run that did not end cleanly took buttons from.
  void Load();
  // After every settings apply and a shell's restart: with `take` false the
  // shell's filter has the buttons and nothing is called; otherwise the
  // decision follows the settings and every candidate gets the difference.
  // `buttonsCameBack`: the taskbar has just given every window a button.
  void Follow(bool take, bool buttonsCameBack);
  // The candidates looked at again (the pouch menu, Windows key + M): a
  // window's kind may have changed since it appeared.
  void Review();
  // A window the hook reported. The session key follows from the queue
  // (kStoreTakenWindows), so that a burst of new windows costs one write.
  void OnWindowEvent(HWND window, bool appeared);
  void StoreQueued();
  // At quit: every button taken is given back, and nothing more is done.
  void GiveBackAll();

  bool Taking() const { return taking_; }
  const SavedWindowList& Taken() const { return taken_; }

 private:
  bool Wants(HWND window) const;
  bool Call(HWND window, bool add);
  void Hook();
  void Store() const;
  void StoreSoon();

  bool taking_ = false;
  TaskbarFilterConfig config_;
  SavedWindowList taken_;
  ComPtr<ITaskbarList> list_;
  bool listFailed_ = false;
  bool storeQueued_ = false;
  UniqueWinEventHook appearHook_;
  UniqueWinEventHook nameHook_;
};

TaskbarButtons& TheTaskbarButtons();
