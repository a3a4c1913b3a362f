#include "windows/SelectContainedAppDialog.h"

#include <utility>

#include "framework/Controls.h"
#include "resources/resource.h"

namespace {

// What the "Runed" button makes usable; OK waits for a selection as well.
constexpr int kListControls[] = {IDC_SELECT_LABEL, IDC_MENU_LABEL, IDC_APPLICATION_WINDOWS};

}  // namespace

CSelectContainedAppDialog::CSelectContainedAppDialog(HWND parent)
    : CDialog(IDD_SELECT_CONTAINED_APPLICATION, parent) {}

BOOL CSelectContainedAppDialog::OnInitDialog() {
  for (int id : kListControls) EnableControl(m_hWnd, id, false);
  EnableControl(m_hWnd, IDOK, false);
  return CDialog::OnInitDialog();
}

bool CSelectContainedAppDialog::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_RUNED && code == BN_CLICKED) {
    ListRunningApplications();
    return true;
  }
  if (id == IDC_APPLICATION_WINDOWS && code == LBN_SELCHANGE) {
    EnableControl(m_hWnd, IDOK, true);
    return true;
  }
  return false;
}

void CSelectContainedAppDialog::ListRunningApplications() {
  for (int id : kListControls) EnableControl(m_hWnd, id, true);
  const HWND list = GetDlgItem(IDC_APPLICATION_WINDOWS);
  ListBoxClear(list);
  WindowList windows;
  BuildOtherWindowList(windows, 1);
  m_windows = ListWindowTitles(list, windows);
  EnableControl(m_hWnd, IDOK, false);
}

void CSelectContainedAppDialog::OnOK() {
  const int row = ListBoxSelection(GetDlgItem(IDC_APPLICATION_WINDOWS));
  // IDOK can come without a row selected: any program may send it.
  if (row < 0 || row >= static_cast<int>(m_windows.size())) return;
  m_selected = m_windows[static_cast<std::size_t>(row)];
  EndDialog(IDOK);
}

bool PickContainedApplication(HWND owner, std::string& title, std::string& className) {
  // Owned by the page alone, the picker would leave the sheet's buttons and
  // tabs usable under it: the whole top-level window is its owner.
  const HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  CSelectContainedAppDialog dialog(root ? root : owner);
  if (dialog.DoModal() != IDOK) return false;
  const SavedWindow& picked = dialog.Selected();
  if (!picked.StillThere()) return false;
  std::string pickedTitle = WindowTitle(picked.Get());
  std::string pickedClass = WindowClassName(picked.Get());
  // Closed while being read: the texts may be empty or another window's.
  if (!picked.StillThere() || pickedClass.empty()) return false;
  title = std::move(pickedTitle);
  className = std::move(pickedClass);
  return true;
}
