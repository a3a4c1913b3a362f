#include "hotkeys/SetHotKeyDialog.h"

#include <commctrl.h>

#include "framework/Controls.h"
#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyPropertiesDialog.h"
#include "hotkeys/HotKeyText.h"
#include "hotkeys/HotKeys.h"
#include "hotkeys/StandardWinKeyDialog.h"
#include "resources/resource.h"

namespace {

constexpr const char* kColumns[] = {"Shortcut Key", "Function", "Parameters"};
constexpr int kColumnCount = 3;

}  // namespace

CSetHotKeyDlg::CSetHotKeyDlg(HWND parent) : CDialog(IDD_SET_HOTKEY, parent) {}

HWND CSetHotKeyDlg::ListView() const { return GetDlgItem(IDC_HOTKEY_LIST); }

BOOL CSetHotKeyDlg::OnInitDialog() {
  const HWND view = ListView();
  SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int column = 0; column < kColumnCount; ++column)
    ListViewAddColumn(view, column, kColumns[column]);
  FillList();
  return CDialog::OnInitDialog();
}

void CSetHotKeyDlg::FillList(int row) {
  const HWND view = ListView();
  ListViewClear(view);
  const HotKeyItems& list = HotKeyList();
  for (std::size_t i = 0; i < list.size(); ++i)
    ListViewInsertRow(view, static_cast<int>(i), HotKeyRowTexts(list[i]));
  ListViewFitColumns(view, kColumnCount);
  if (row >= 0 && row < ListViewCount(view)) ListViewSelect(view, row);
}

bool CSetHotKeyDlg::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_HOTKEY_ADD:
      OnAdd();
      return true;
    case IDC_HOTKEY_DELETE:
      OnDelete();
      return true;
    case IDC_HOTKEY_PROPERTIES:
      OnProperties();
      return true;
    case IDC_STANDARD_WIN_KEY: {
      CStandardWinKeyDlg standardKeys(m_hWnd);
      standardKeys.DoModal();
      return true;
    }
    case IDC_HOTKEY_DEFAULT:
      SetDefaultHotKeys();
      FillList();
      return true;
    default:
      return false;
  }
}

bool CSetHotKeyDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
  if (id != IDC_HOTKEY_LIST || header->code != NM_DBLCLK) return false;
  // A double click beside the rows edits nothing.
  if (reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem >= 0) OnProperties();
  result = 0;
  return true;
}

void CSetHotKeyDlg::OnAdd() {
  CHotKeyPropertiesDlg properties(m_hWnd);
  if (properties.DoModal() != IDOK) return;
  AppendHotKeyItem(properties.Item());
  FillList(static_cast<int>(HotKeyList().size()) - 1);
}

void CSetHotKeyDlg::OnDelete() {
  const int row = ListViewSelection(ListView());
  CHotKeyItem deleted;
  if (row < 0 || !TakeHotKeyItem(static_cast<std::size_t>(row), deleted)) return;
  ListViewDeleteRow(ListView(), row);
}

void CSetHotKeyDlg::OnProperties() {
  const int row = ListViewSelection(ListView());
  // While it is edited the shortcut is out of the list and unregistered, so
  // that its own key does not count as taken.
  CHotKeyItem edited;
  if (row < 0 || !TakeHotKeyItem(static_cast<std::size_t>(row), edited)) return;
  const auto position = static_cast<std::size_t>(row);
  // Until it is back, a save at the end of the session writes it as it was.
  const EditedHotKeyItem beingEdited(position, edited);
  CHotKeyPropertiesDlg properties(m_hWnd, edited);
  if (properties.DoModal() == IDOK) {
    InsertHotKeyItem(position, properties.Item());
    FillList(row);
  } else {
    // Back as it was, under a new registration; its row never changed.
    InsertHotKeyItem(position, edited);
  }
}

void RunSetHotKeyCommand(HWND mainWindow) {
  CSetHotKeyDlg dialog(mainWindow);
  dialog.DoModal();
  SetForegroundWindow(mainWindow);
}
