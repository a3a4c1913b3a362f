#include "windows/ShowHideWindowDialog.h"

#include "framework/Controls.h"
#include "resources/resource.h"
#include "windows/WindowCommands.h"
#include "windows/WindowLists.h"

namespace {

// Keeps the entries whose window is still there and visible (or hidden, as
// `visible` asks) and lists their titles; the rest are dropped.
void FillList(HWND listBox, SavedWindowList& windows, bool visible) {
  WindowList kept;
  for (const SavedWindow& saved : windows)
    if (saved.StillThere() && (IsWindowVisible(saved.Get()) != FALSE) == visible)
      kept.push_back(saved.Get());
  windows = ListWindowTitles(listBox, kept);
}

}  // namespace

CShowHideWindowDialog::CShowHideWindowDialog(HWND parent)
    : CDialog(IDD_SHOW_HIDE_WINDOW, parent) {}

BOOL CShowHideWindowDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  FillList(GetDlgItem(IDC_SHOWN_WINDOWS), m_showList, true);
  FillList(GetDlgItem(IDC_HIDDEN_WINDOWS), m_hideList, false);
  return TRUE;
}

bool CShowHideWindowDialog::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_MOVE_TO_HIDDEN) {
    MoveSelected(IDC_SHOWN_WINDOWS, m_showList, IDC_HIDDEN_WINDOWS, m_hideList);
    return true;
  }
  if (id == IDC_MOVE_TO_SHOWN) {
    MoveSelected(IDC_HIDDEN_WINDOWS, m_hideList, IDC_SHOWN_WINDOWS, m_showList);
    return true;
  }
  return false;
}

void CShowHideWindowDialog::MoveSelected(int fromId, SavedWindowList& from, int toId,
                                         SavedWindowList& to) {
  const HWND fromBox = GetDlgItem(fromId);
  const int row = ListBoxSelection(fromBox);
  if (row < 0 || static_cast<std::size_t>(row) >= from.size()) return;
  ListBoxDelete(fromBox, row);
  const SavedWindow saved = from[static_cast<std::size_t>(row)];
  from.erase(from.begin() + row);
  if (!saved.StillThere()) return;
  ListBoxAdd(GetDlgItem(toId), WindowTitle(saved.Get()));
  to.push_back(saved);
}

void RunShowHideWindowCommand(HWND mainWindow, HiddenWindows& hidden) {
  WindowList others;
  BuildOtherWindowList(others, 1);
  CShowHideWindowDialog dialog(mainWindow);
  dialog.m_showList = SaveWindows(others);
  dialog.m_hideList = hidden.List();
  if (dialog.DoModal() == IDOK) {
    ForEachStillThere(dialog.m_showList, [](HWND window) {
      ShowWindowSafely(window, SW_SHOW);
      RestoreAndActivate(window);
    });
    ForEachStillThere(dialog.m_hideList, [](HWND window) {
      ShowWindowSafely(window, SW_MINIMIZE);
      ShowWindowSafely(window, SW_HIDE);
    });
    hidden.Replace(dialog.m_hideList);
  }
  SetForegroundWindow(mainWindow);
}
