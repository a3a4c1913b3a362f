#pragma once
// The confirmation asked before hiding or quitting: a message and a
// "Don't show this dialog in next time" box.
#include <string>

#include "framework/Dialog.h"

class CInformationDialog : public CDialog {
 public:
  explicit CInformationDialog(HWND parent);

  std::string m_message;
  int m_dontShowAgain = 0;  // 1 when ticked

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};
