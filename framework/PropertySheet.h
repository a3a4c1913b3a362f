#pragma once
// Property sheets and their pages. A page is a dialog whose PSN_* notices
// arrive as virtual operations.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Dialog.h"

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}

  // Marks the page changed (enables Apply) or unchanged. Ignored while the
  // page fills its own controls during initialisation.
  void SetModified(BOOL changed = TRUE);
  bool IsModified() const { return m_modified; }

 protected:
  virtual BOOL OnSetActive() { return TRUE; }
  // FALSE keeps the page active (its data did not validate).
  virtual BOOL OnKillActive() { return UpdateData(TRUE); }
  // The sheet's OK or Apply: the page's data takes effect.
  virtual BOOL OnApply() {
    m_modified = false;
    return TRUE;
  }
  virtual void OnReset() {}

  bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
  BOOL OnInitDialog() override;

  // True while OnInitDialog runs, so control updates made by the page itself
  // are not taken for the user's edits.
  bool m_initialising = false;

 private:
  friend class CPropertySheet;
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool m_modified = false;
};

class CPropertySheet {
 public:
  CPropertySheet(std::string caption, HWND parent);
  CPropertySheet(const CPropertySheet&) = delete;
  CPropertySheet& operator=(const CPropertySheet&) = delete;

  void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
  // Runs the sheet modally: IDOK after OK, IDCANCEL otherwise.
  INT_PTR DoModal();

  // PSH_* flags; PSH_PROPSHEETPAGE is always added.
  DWORD m_flags = 0;
  UINT m_startPage = 0;

 private:
  std::string m_caption;
  HWND m_parent;
  std::vector<CPropertyPage*> m_pages;
};
