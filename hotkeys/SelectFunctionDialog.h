#pragma once
// Picks one command of the function-command table for a shortcut.
#include <windows.h>

#include "framework/Dialog.h"

class CSelectFunctionDlg : public CDialog {
 public:
  explicit CSelectFunctionDlg(HWND parent);

  // After OK: the chosen entry's index in the table, never a separator.
  int m_nSelected = -1;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
};
