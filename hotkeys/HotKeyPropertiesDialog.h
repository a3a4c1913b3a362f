#pragma once
// Edits one shortcut: its key and modifiers, and what it does (a function
// command, a folder, or a file with its parameters, start-in folder and run
// state). OK is refused, with a message, for a shortcut that cannot be used.
#include <windows.h>

#include <string>

#include "framework/Dialog.h"
#include "hotkeys/HotKeyItem.h"
#include "hotkeys/HotKeyText.h"

class CHotKeyPropertiesDlg : public CDialog {
 public:
  // With the values of a new shortcut: Windows key, no key, a folder.
  explicit CHotKeyPropertiesDlg(HWND parent);
  // With the values of `item`; a function command shows its name.
  CHotKeyPropertiesDlg(HWND parent, const CHotKeyItem& item);

  // The shortcut as edited, not yet registered.
  CHotKeyItem Item() const;

  int m_nType = HOTKEY_FOLDER;
  int m_nFunction = 0;
  int m_nVirtualKey = 0;
  std::string m_strCommand;
  ModifierCombos m_combos{kChoiceWindows, kChoiceNone, kChoiceNone};
  // What the boxes were filled from (EditedModifiers).
  int32_t m_nOriginalModifiers = kModifierWin;
  std::string m_strParameters;
  int m_nRunState = 0;
  std::string m_strStartIn;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void FillChoiceBoxes();
  // A new kind of action, with the command box showing `command`.
  void SetAction(int type, const std::string& command);
  void OnSelectFunction();
  void OnBrowseFolder();
  void OnBrowseFile();
};
