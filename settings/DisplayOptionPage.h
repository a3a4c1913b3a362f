#pragma once
// The options page "Display": the launch surfaces, the menu hotkey and what
// the pouch menu shows. Its values reach the registry with the next save of
// the settings (when the main window hides or the program quits).
#include <windows.h>

#include <functional>
#include <string>

#include "framework/PropertySheet.h"
#include "settings/SettingsRecord.h"

// Why the menu hotkey's combination cannot be had (another program holds
// it); empty when it is free.
using HotKeyRefusal = std::function<std::string(unsigned modifiers, unsigned virtualKey)>;

class CDisplayOption : public CPropertyPage {
 public:
  explicit CDisplayOption(HotKeyRefusal refusal = nullptr);

 protected:
  bool OnCommand(WORD id, WORD code, HWND control) override;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  BOOL OnApply() override;

 private:
  // Greys what depends on an unticked box: the hotkey's controls, the drive
  // types and the desktop edges. Greyed boxes keep their ticks.
  void ApplyEnablingRule();

  // The page's copy of the record; only the fields the page shows are
  // exchanged and written back.
  SettingsRecord m_values;
  HotKeyRefusal m_refusal;
};
