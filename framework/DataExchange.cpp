#include "framework/DataExchange.h"

#include "framework/Controls.h"

void DDX_Check(CDataExchange* dx, int id, int& value) {
  const HWND control = dx->Control(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate)
    value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
  else
    SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  const HWND control = dx->Control(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate)
    index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
  else
    SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Text(CDataExchange* dx, int id, std::string& text) {
  const HWND control = dx->Control(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate)
    text = ControlText(control);
  else
    SetWindowTextA(control, text.c_str());
}
