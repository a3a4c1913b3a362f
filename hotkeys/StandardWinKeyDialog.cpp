#include "hotkeys/StandardWinKeyDialog.h"

#include "resources/resource.h"

namespace {

// Key part and name are tab-separated so that the names line up in the box.
constexpr char kStandardWindowsKeys[] =
    "Windows Key + D:\t\tShow Desktop*\r\n"
    "Windows Key + E:\t\tWindows Explorer\r\n"
    "Windows Key + F:\t\tFind Files or Folders...\r\n"
    "Windows Key + Ctrl+F:\tFind Computer...\r\n"
    "Windows Key + M:\t\tMinimize All Windows\r\n"
    "Windows Key + Shift+M:\tUndo Minimize All\r\n"
    "Windows Key + R:\t\tRun...\r\n"
    "Windows Key + Tab:\tSelect Task\r\n"
    "Windows Key + Break:\tSystem Properties\r\n"
    "Windows Key + F1:\t\tWindows Help\r\n"
    "\r\n"
    "* Requires Internet Explorer 4.0 Desktop Update.";

}  // namespace

CStandardWinKeyDlg::CStandardWinKeyDlg(HWND parent) : CDialog(IDD_STANDARD_WIN_KEY, parent) {}

BOOL CStandardWinKeyDlg::OnInitDialog() {
  SetDlgItemTextA(m_hWnd, IDC_STANDARD_KEYS_TEXT, kStandardWindowsKeys);
  CDialog::OnInitDialog();
  // The text is to be read, not to arrive selected as a focused edit's is.
  SetFocus(GetDlgItem(IDOK));
  return FALSE;
}
