#include "windows/ArrangeTaskbarDialog.h"

#include <commctrl.h>

#include <utility>

#include "framework/Controls.h"
#include "resources/resource.h"
#include "windows/WindowCommands.h"

CArrangeTaskbarDialog::CArrangeTaskbarDialog(HWND parent) : CDialog(IDD_ARRANGE_TASKBAR, parent) {}

BOOL CArrangeTaskbarDialog::OnInitDialog() {
  WindowList windows;
  BuildOtherWindowList(windows, 1);
  m_windows = ListWindowTitles(GetDlgItem(IDC_TASKBAR_WINDOWS), windows);
  return CDialog::OnInitDialog();
}

bool CArrangeTaskbarDialog::OnNotify(int id, NMHDR* header, LRESULT& result) {
  if (id != IDC_TASKBAR_ORDER || header->code != UDN_DELTAPOS) return false;
  // Under the control's default range, which runs downwards, the upper arrow
  // proposes a negative step: -1, or more once the control accelerates.
  const int delta = reinterpret_cast<const NMUPDOWN*>(header)->iDelta;
  if (delta != 0) MoveSelectedRow(delta < 0 ? -1 : 1);
  // The control may take the change: its position means nothing here.
  result = 0;
  return true;
}

void CArrangeTaskbarDialog::MoveSelectedRow(int step) {
  const HWND list = GetDlgItem(IDC_TASKBAR_WINDOWS);
  const int row = ListBoxSelection(list);
  const int target = row + step;
  const int rows = static_cast<int>(m_windows.size());
  if (row < 0 || row >= rows || target < 0 || target >= rows) return;
  const std::string text = ListBoxText(list, row);
  ListBoxDelete(list, row);
  ListBoxInsert(list, target, text);
  std::swap(m_windows[static_cast<std::size_t>(row)], m_windows[static_cast<std::size_t>(target)]);
  ListBoxSelect(list, target);
}

namespace {

// SW_SHOW leaves a minimised window minimised (it shows a window in its
// current state), where SW_SHOWNORMAL and SW_RESTORE would restore it.
constexpr int kShowInCurrentState = SW_SHOW;

void ReinsertTaskbarButtons(const SavedWindowList& windows) {
  // All hides first, then all shows, with nothing handled in between: the
  // taskbar then appends the buttons one after the other in list order.
  ForEachStillThere(windows, [](HWND window) { ShowWindowSafely(window, SW_HIDE); });
  ForEachStillThere(windows, [](HWND window) { ShowWindowSafely(window, kShowInCurrentState); });
}

}  // namespace

void RunArrangeTaskbarCommand(HWND mainWindow) {
  CArrangeTaskbarDialog dialog(mainWindow);
  if (dialog.DoModal() == IDOK) ReinsertTaskbarButtons(dialog.Windows());
  SetForegroundWindow(mainWindow);
}
