#include "hotkeys/SelectFunctionDialog.h"

#include "common/FunctionCommandTable.h"
#include "framework/AppWindow.h"
#include "framework/Controls.h"
#include "resources/resource.h"

CSelectFunctionDlg::CSelectFunctionDlg(HWND parent) : CDialog(IDD_SELECT_FUNCTION, parent) {}

BOOL CSelectFunctionDlg::OnInitDialog() {
  const HWND list = GetDlgItem(IDC_FUNCTION_LIST);
  for (const char* name : FunctionCommandTable) ListBoxAdd(list, name);
  return CDialog::OnInitDialog();
}

void CSelectFunctionDlg::OnOK() {
  const HWND list = GetDlgItem(IDC_FUNCTION_LIST);
  const int row = ListBoxSelection(list);
  // Nothing chosen: the same as Cancel, so no caller ever sees -1 as an index.
  if (row < 0 || row >= kFunctionCommandCount) {
    EndDialog(IDCANCEL);
    return;
  }
  if (ListBoxText(list, row).compare(0, 2, "--") == 0) {
    AppMessageBox(LoadResourceString(IDS_SELECT_SEPARATOR), MB_OK);
    return;
  }
  m_nSelected = row;
  EndDialog(IDOK);
}
