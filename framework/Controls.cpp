#include "framework/Controls.h"

#include <commctrl.h>

#include <vector>

namespace {

std::string TextOf(int length, const char* buffer) {
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace

std::string WindowTitle(HWND window) {
  char buffer[kWindowTextCapacity];
  return TextOf(GetWindowTextA(window, buffer, kWindowTextCapacity), buffer);
}

std::string ControlText(HWND control) {
  const int length = GetWindowTextLengthA(control);
  std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  return TextOf(GetWindowTextA(control, buffer.data(), static_cast<int>(buffer.size())),
                buffer.data());
}

std::string WindowClassName(HWND window) {
  char buffer[kWindowTextCapacity];
  return TextOf(GetClassNameA(window, buffer, kWindowTextCapacity), buffer);
}

int ListBoxAdd(HWND list, const std::string& text) {
  return static_cast<int>(
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int ListBoxInsert(HWND list, int row, const std::string& text) {
  return static_cast<int>(SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(row),
                                       reinterpret_cast<LPARAM>(text.c_str())));
}

void ListBoxDelete(HWND list, int row) {
  SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
}

void ListBoxClear(HWND list) { SendMessageA(list, LB_RESETCONTENT, 0, 0); }

int ListBoxCount(HWND list) {
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

int ListBoxSelection(HWND list) {
  const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
  return row == LB_ERR ? -1 : static_cast<int>(row);
}

void ListBoxSelect(HWND list, int row) {
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

std::string ListBoxText(HWND list, int row) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length == LB_ERR || length <= 0) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                      reinterpret_cast<LPARAM>(buffer.data()));
  return copied == LB_ERR ? std::string() : TextOf(static_cast<int>(copied), buffer.data());
}

int ComboBoxAdd(HWND combo, const std::string& text) {
  return static_cast<int>(
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListViewAddColumn(HWND view, int column, const std::string& heading) {
  LVCOLUMNA format{};
  format.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
  format.fmt = LVCFMT_LEFT;
  format.pszText = const_cast<char*>(heading.c_str());
  format.iSubItem = column;
  SendMessageA(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
               reinterpret_cast<LPARAM>(&format));
}

int ListViewInsertRow(HWND view, int row, const std::vector<std::string>& texts) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<char*>(texts.empty() ? "" : texts[0].c_str());
  const int inserted =
      static_cast<int>(SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (inserted < 0) return -1;
  for (std::size_t column = 1; column < texts.size(); ++column) {
    LVITEMA cell{};
    cell.iSubItem = static_cast<int>(column);
    cell.pszText = const_cast<char*>(texts[column].c_str());
    SendMessageA(view, LVM_SETITEMTEXTA, static_cast<WPARAM>(inserted),
                 reinterpret_cast<LPARAM>(&cell));
  }
  return inserted;
}

void ListViewDeleteRow(HWND view, int row) {
  SendMessageA(view, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void ListViewClear(HWND view) { SendMessageA(view, LVM_DELETEALLITEMS, 0, 0); }

int ListViewCount(HWND view) { return static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0)); }

int ListViewSelection(HWND view) {
  return static_cast<int>(
      SendMessageA(view, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

void ListViewSelect(HWND view, int row) {
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
  SendMessageA(view, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void ListViewFitColumns(HWND view, int columns) {
  for (int column = 0; column < columns; ++column) {
    // The "use header" size of the last column fills the view, of the others
    // it fits the heading alone.
    SendMessageA(view, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), LVSCW_AUTOSIZE);
    const LRESULT contents = SendMessageA(view, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0);
    SendMessageA(view, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), LVSCW_AUTOSIZE_USEHEADER);
    const LRESULT heading = SendMessageA(view, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0);
    if (contents > heading)
      SendMessageA(view, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), contents);
  }
}

void EnableControl(HWND dialog, int id, bool enable) {
  EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}
