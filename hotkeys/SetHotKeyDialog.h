#pragma once
// Lists every shortcut and adds, deletes, edits or resets them. Each change
// is registered at once; the list view mirrors the shortcut list row for row
// at every step, so a row's position is its shortcut's position.
#include <windows.h>

#include "framework/Dialog.h"

class CSetHotKeyDlg : public CDialog {
 public:
  explicit CSetHotKeyDlg(HWND parent);

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnNotify(int id, NMHDR* header, LRESULT& result) override;

 private:
  // Rebuilds the view from the list and selects `row` when there is one.
  void FillList(int row = -1);
  void OnAdd();
  void OnDelete();
  void OnProperties();
  HWND ListView() const;
};

// Runs the dialog; afterwards the main window comes to the foreground.
void RunSetHotKeyCommand(HWND mainWindow);
