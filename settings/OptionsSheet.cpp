#include "settings/OptionsSheet.h"

#include "framework/Dialog.h"
#include "resources/resource.h"
#include "settings/DisplayOptionPage.h"

void RunOptionsSheet(HWND owner, ApplicationPicker picker, HotKeyRefusal refusal) {
  CSelectApplicationDialog applications(std::move(picker));
  CDisplayOption display(std::move(refusal));
  CPropertySheet sheet(LoadResourceString(IDS_OPTION_CAPTION), owner);
  // No Help button: the pages have no help of their own.
  sheet.m_flags = PSH_NOCONTEXTHELP;
  sheet.AddPage(&applications);
  sheet.AddPage(&display);
  sheet.DoModal();
}
