#pragma once
// The taskbar in an order of the user's: the other application windows are
// listed, the up-down control moves the selected one up or down, and OK hides
// every listed window and shows them again in list order, since the taskbar
// gives each window it sees shown the last button.
#include <windows.h>

#include "framework/Dialog.h"
#include "windows/SavedWindows.h"

class CArrangeTaskbarDialog : public CDialog {
 public:
  explicit CArrangeTaskbarDialog(HWND parent);

  // The listed windows in the order chosen, row for row.
  const SavedWindowList& Windows() const { return m_windows; }

 protected:
  BOOL OnInitDialog() override;
  bool OnNotify(int id, NMHDR* header, LRESULT& result) override;

 private:
  // Moves the selected row one place up (-1) or down (+1), its window with
  // it, and keeps it selected; the ends stay where they are.
  void MoveSelectedRow(int step);

  SavedWindowList m_windows;
};

// Runs the dialog; on OK gives the taskbar the chosen order. The main window
// comes to the foreground afterwards either way.
void RunArrangeTaskbarCommand(HWND mainWindow);
