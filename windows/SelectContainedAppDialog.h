#pragma once
// Picking one running application window, whose title and class name the
// options page then adds to the user-defined applications. The list is
// filled only when the user says the application runs ("Runed").
#include <windows.h>

#include <string>

#include "framework/Dialog.h"
#include "windows/SavedWindows.h"

class CSelectContainedAppDialog : public CDialog {
 public:
  explicit CSelectContainedAppDialog(HWND parent);

  // The window of the row chosen with OK; a null window otherwise.
  const SavedWindow& Selected() const { return m_selected; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void OnOK() override;

 private:
  void ListRunningApplications();

  SavedWindowList m_windows;  // row for row with the list box
  SavedWindow m_selected{nullptr, 0};
};

// Runs the dialog; true with the picked window's title and class name after
// OK, false after Cancel or when the window has closed before its texts could
// be read (then both texts stay as they were).
bool PickContainedApplication(HWND owner, std::string& title, std::string& className);
