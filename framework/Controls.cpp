#include "framework/Controls.h"

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

void EnableControl(HWND dialog, int id, bool enable) {
  EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}
