#pragma once
// A dialog built from a template. One static dialog procedure stores `this`
// at WM_INITDIALOG and forwards to virtual handlers; nothing escapes it.
#include <windows.h>

#include <string>

class CDataExchange;

class CDialog {
 public:
  explicit CDialog(UINT templateId, HWND parent = nullptr);
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog modally; returns the EndDialog code, or -1 when the
  // dialog could not be created. A template without WS_VISIBLE is shown
  // when the loop first runs idle; one created visible is never shown again
  // by the loop, so the dialog may hide itself from its initialisation on.
  INT_PTR DoModal();
  // Ends the modal loop once the current message has been handled.
  void EndDialog(INT_PTR result);

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  // Moves data between the controls and the members: saveAndValidate TRUE
  // reads the controls, FALSE fills them.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

 protected:
  virtual void DoDataExchange(CDataExchange* dx);
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // Command from a control or menu other than IDOK and IDCANCEL.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  virtual bool OnNotify(int id, NMHDR* header, LRESULT& result);
  // Any other message, before the default window procedure.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  virtual void OnDestroy() {}
  // Messages that no handler took. Returning FALSE lets the dialog manager
  // do its default processing.
  virtual INT_PTR DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  HWND m_hWnd = nullptr;
  UINT m_templateId;
  HWND m_parent;

 private:
  friend class CPropertyPage;
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void RunModalLoop();

  bool m_continueModal = false;
  INT_PTR m_modalResult = -1;
};

// Loads a string resource of the program; empty when it is missing.
std::string LoadResourceString(UINT id);
