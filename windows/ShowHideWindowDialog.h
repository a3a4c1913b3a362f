#pragma once
// The Show-Hide Window dialog: moves application windows between a list of
// shown and a list of hidden windows, and the command that runs it.
#include <windows.h>

#include "framework/Dialog.h"
#include "windows/HiddenWindows.h"
#include "windows/SavedWindows.h"

class CShowHideWindowDialog : public CDialog {
 public:
  explicit CShowHideWindowDialog(HWND parent);

  // Row i of each list box stands for entry i of its list. The caller fills
  // both before the run and reads them after OK; the dialog itself changes
  // no window.
  SavedWindowList m_showList;
  SavedWindowList m_hideList;

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  // Moves the selected row of list box `fromId` to the end of `toId`, its
  // window with it; a window gone meanwhile only leaves its list.
  void MoveSelected(int fromId, SavedWindowList& from, int toId, SavedWindowList& to);
};

// Lets the user pick the application windows to hide or show again; on OK
// shows and hides them and makes the dialog's hide list the hidden windows.
// The main window comes to the front after either answer.
void RunShowHideWindowCommand(HWND mainWindow, HiddenWindows& hidden);
