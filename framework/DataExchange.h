#pragma once
// Moves values between dialog controls and members, in the direction that
// UpdateData asks for.
#include <windows.h>

#include <string>

class CDataExchange {
 public:
  CDataExchange(HWND dialog, bool saveAndValidate)
      : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

  HWND Control(int id) const { return GetDlgItem(m_hDialog, id); }
  void Fail() { m_failed = true; }
  bool Failed() const { return m_failed; }

  HWND m_hDialog;
  bool m_bSaveAndValidate;

 private:
  bool m_failed = false;
};

// Check box: 1 ticked, 0 not (2 for an indeterminate three-state box).
void DDX_Check(CDataExchange* dx, int id, int& value);
// Drop-down list: the selected index, -1 for none.
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// Edit control: its whole text.
void DDX_Text(CDataExchange* dx, int id, std::string& text);
