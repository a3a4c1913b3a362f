#pragma once
// Shows the Windows-key combinations the desktop shell already uses, so that
// the user picks others for shortcuts.
#include <windows.h>

#include "framework/Dialog.h"

class CStandardWinKeyDlg : public CDialog {
 public:
  explicit CStandardWinKeyDlg(HWND parent);

 protected:
  BOOL OnInitDialog() override;
};
