#pragma once
// The options page "Select Hide Application": which window kinds belong to
// the pouch, and the user's own applications, kept as two parallel lists of
// window titles and class names.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/PropertySheet.h"
#include "settings/StringList.h"

// Lets the user pick a running application window; true with its title and
// class name, false when the user cancelled or the window has gone.
using ApplicationPicker =
    std::function<bool(HWND owner, std::string& title, std::string& className)>;

class CSelectApplicationDialog : public CPropertyPage {
 public:
  explicit CSelectApplicationDialog(ApplicationPicker picker);

 protected:
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  // Writes the kinds and both lists to the registry at once.
  BOOL OnApply() override;

 private:
  void AddApplication();
  void DeleteApplication();
  void RefillList();

  ApplicationPicker m_picker;
  int m_explorer = 0;
  int m_folder = 0;
  int m_iexplorer = 0;
  int m_netscape = 0;
  StringList m_captions;
  StringList m_classNames;
};
