#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"

namespace {

// Messages whose result is the dialog procedure's return value itself
// rather than DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

bool TakesNoKeys(HWND dialog, const MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  if (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd)) return false;
  return !IsWindowVisible(dialog);
}

}  // namespace

CDialog::CDialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR CDialog::DoModal() {
  // The system's own modal loop shows the dialog the first time its queue
  // runs empty, which would undo a hide posted from the initialisation; so
  // the framework runs its own loop, as the classic frameworks did.
  const HWND owner = m_parent;
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  m_modalResult = -1;
  m_continueModal = true;
  const HWND dialog = CreateDialogParamA(AppInstance(), MAKEINTRESOURCEA(m_templateId), owner,
                                         DialogProc, reinterpret_cast<LPARAM>(this));
  if (dialog) RunModalLoop();
  m_continueModal = false;
  // The owner must be enabled before the dialog goes, or the activation
  // would pass to some other program's window.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (dialog) {
    if (owner && GetActiveWindow() == dialog) SetActiveWindow(owner);
    DestroyWindow(dialog);
  }
  return m_modalResult;
}

void CDialog::RunModalLoop() {
  const HWND dialog = m_hWnd;
  bool showWhenIdle = !(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_VISIBLE);
  MSG msg;
  while (m_continueModal) {
    if (showWhenIdle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      ShowWindow(dialog, SW_SHOWNORMAL);
      UpdateWindow(dialog);
      showWhenIdle = false;
    }
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // Leave WM_QUIT for the loop outside this one.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    // A hidden dialog takes no keys: Enter, Escape or Alt+F4 would run its
    // commands unseen, after a menu of a hidden window, say.
    if (TakesNoKeys(dialog, msg)) continue;
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void CDialog::EndDialog(INT_PTR result) {
  m_modalResult = result;
  m_continueModal = false;
  // Wakes the loop when the call comes from a nested loop's message.
  if (m_hWnd) PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(m_hWnd, saveAndValidate != FALSE);
  DoDataExchange(&dx);
  return dx.Failed() ? FALSE : TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(WORD, WORD, HWND) { return false; }

bool CDialog::OnNotify(int, NMHDR*, LRESULT&) { return false; }

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CDialog::DefWindowProc(UINT, WPARAM, LPARAM) { return FALSE; }

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND: {
      const WORD id = LOWORD(wParam);
      const WORD code = HIWORD(wParam);
      const HWND control = reinterpret_cast<HWND>(lParam);
      if (OnCommand(id, code, control)) return TRUE;
      if (code == BN_CLICKED && id == IDOK) {
        OnOK();
        return TRUE;
      }
      if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      break;
    }
    case WM_NOTIFY: {
      LRESULT result = 0;
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header && OnNotify(static_cast<int>(wParam), header, result)) {
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
      }
      break;
    }
    case WM_DESTROY:
      OnDestroy();
      break;
    default: {
      LRESULT result = 0;
      if (OnMessage(message, wParam, lParam, result)) {
        if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
      }
      break;
    }
  }
  return DefWindowProc(message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lParam);
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    if (self) self->m_hWnd = hwnd;
  } else {
    self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  INT_PTR result = FALSE;
  try {
    result = self->Dispatch(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind into the dialog manager (only an exhausted heap
    // throws here); the message goes on to default processing.
    result = FALSE;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    self->m_hWnd = nullptr;
    // A dialog destroyed from elsewhere ends its modal loop too.
    self->m_continueModal = false;
  }
  return result;
}

std::string LoadResourceString(UINT id) {
  char buffer[1024];
  const int length = LoadStringA(AppInstance(), id, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}
