#include "app/InformationDialog.h"

#include "framework/DataExchange.h"
#include "resources/resource.h"

CInformationDialog::CInformationDialog(HWND parent) : CDialog(IDD_INFORMATION, parent) {}

void CInformationDialog::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_INFORMATION_TEXT, m_message);
  DDX_Check(dx, IDC_DONT_SHOW_AGAIN, m_dontShowAgain);
}
