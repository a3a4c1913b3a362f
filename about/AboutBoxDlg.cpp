#include "about/AboutBoxDlg.h"

#include "resources/resource.h"

CAboutBoxDlg::CAboutBoxDlg(HWND parent) : CDialog(IDD_ABOUTBOX, parent) {
  // Targets first, so that a link whose template text is empty shows its
  // target.
  m_webSite.SetTarget(kWebSiteAddress);
  m_support.SetTarget(kSupportAddress);
}

BOOL CAboutBoxDlg::OnInitDialog() {
  m_webSite.Attach(GetDlgItem(IDC_WEB_SITE_LINK));
  m_support.Attach(GetDlgItem(IDC_SUPPORT_LINK));
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  return TRUE;
}

CLinkLabel* CAboutBoxDlg::LinkOf(HWND control) {
  if (control && control == m_webSite.Handle()) return &m_webSite;
  if (control && control == m_support.Handle()) return &m_support;
  return nullptr;
}

bool CAboutBoxDlg::OnCommand(WORD, WORD code, HWND control) {
  CLinkLabel* link = LinkOf(control);
  if (!link || code != STN_CLICKED) return false;
  link->OnClicked();
  return true;
}

bool CAboutBoxDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != WM_CTLCOLORSTATIC) return false;
  const CLinkLabel* link = LinkOf(reinterpret_cast<HWND>(lParam));
  if (!link) return false;
  result = reinterpret_cast<LRESULT>(link->CtlColor(reinterpret_cast<HDC>(wParam)));
  return true;
}
