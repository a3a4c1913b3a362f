#include "framework/PropertySheet.h"

#include <prsht.h>

#include "framework/WinApp.h"

void CPropertyPage::SetModified(BOOL changed) {
  if (m_initialising || !m_hWnd) return;
  m_modified = changed != FALSE;
  const HWND sheet = GetParent(m_hWnd);
  if (changed)
    PropSheet_Changed(sheet, m_hWnd);
  else
    PropSheet_UnChanged(sheet, m_hWnd);
}

BOOL CPropertyPage::OnInitDialog() {
  m_initialising = true;
  const BOOL result = CDialog::OnInitDialog();
  m_initialising = false;
  return result;
}

bool CPropertyPage::OnNotify(int, NMHDR* header, LRESULT& result) {
  switch (header->code) {
    case PSN_SETACTIVE:
      result = OnSetActive() ? 0 : -1;
      return true;
    case PSN_KILLACTIVE:
      result = OnKillActive() ? FALSE : TRUE;
      return true;
    case PSN_APPLY:
      result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      return true;
    case PSN_RESET:
      OnReset();
      result = 0;
      return true;
    default:
      return false;
  }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    // The page arrives inside the PROPSHEETPAGE record that created it.
    const auto* record = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    lParam = record ? record->lParam : 0;
  }
  return CDialog::DialogProc(hwnd, message, wParam, lParam);
}

CPropertySheet::CPropertySheet(std::string caption, HWND parent)
    : m_caption(std::move(caption)), m_parent(parent) {}

INT_PTR CPropertySheet::DoModal() {
  std::vector<PROPSHEETPAGEA> records(m_pages.size());
  for (std::size_t i = 0; i < m_pages.size(); ++i) {
    PROPSHEETPAGEA& record = records[i];
    record.dwSize = sizeof record;
    record.dwFlags = PSP_DEFAULT;
    record.hInstance = AppInstance();
    record.pszTemplate = MAKEINTRESOURCEA(m_pages[i]->m_templateId);
    record.pfnDlgProc = CPropertyPage::PageProc;
    record.lParam = reinterpret_cast<LPARAM>(m_pages[i]);
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = m_flags | PSH_PROPSHEETPAGE;
  header.hwndParent = m_parent;
  header.hInstance = AppInstance();
  header.pszCaption = m_caption.c_str();
  header.nPages = static_cast<UINT>(records.size());
  header.nStartPage = m_startPage;
  header.ppsp = records.data();
  return PropertySheetA(&header) > 0 ? IDOK : IDCANCEL;
}
