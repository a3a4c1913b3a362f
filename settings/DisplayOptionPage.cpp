#include "settings/DisplayOptionPage.h"

#include <commctrl.h>

#include "framework/Controls.h"
#include "framework/AppWindow.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace {

struct CheckBinding {
  int id;
  int32_t SettingsRecord::*field;
};

constexpr CheckBinding kChecks[] = {
    {IDC_QUICK_LAUNCH, &SettingsRecord::MenuPosAppBar},
    {IDC_TRAY_ICON, &SettingsRecord::MenuPosTray},
    {IDC_DESKTOP_CLICK, &SettingsRecord::MenuPosDesktop},
    {IDC_DESKTOP_TOP, &SettingsRecord::MenuPosDesktopTop},
    {IDC_DESKTOP_LEFT, &SettingsRecord::MenuPosDesktopLeft},
    {IDC_DESKTOP_RIGHT, &SettingsRecord::MenuPosDesktopRight},
    {IDC_DESKTOP_BOTTOM, &SettingsRecord::MenuPosDesktopBottom},
    {IDC_HOT_KEY, &SettingsRecord::MenuPosHotKey},
    {IDC_LARGE_ICONS, &SettingsRecord::DisplayMenuLargeIcon},
    {IDC_MENU_ICONS, &SettingsRecord::DIsplayMenuIcons},
    {IDC_MENU_LOGO, &SettingsRecord::DisplayMenuLogo},
    {IDC_256_COLOR_ICONS, &SettingsRecord::Use256ColorsIcon},
    {IDC_DESKTOP_ICON_ITEM, &SettingsRecord::DesktopIcon},
    {IDC_FUNCTION_COMMAND_ITEM, &SettingsRecord::FunctionCommand},
    {IDC_CLOSE_ALL_ITEM, &SettingsRecord::DisplayCloseAll},
    {IDC_MINIMIZE_ALL_ITEM, &SettingsRecord::DisplayMinimizeAll},
    {IDC_DRIVE_MENU, &SettingsRecord::DisplayDrive},
    {IDC_DRIVE_REMOVABLE, &SettingsRecord::DisplayRemovable},
    {IDC_DRIVE_FIXED, &SettingsRecord::DisplayFixed},
    {IDC_DRIVE_REMOTE, &SettingsRecord::DisplayRemote},
    {IDC_DRIVE_CDROM, &SettingsRecord::DisplayCDROM},
    {IDC_SORT_MENU_ITEMS, &SettingsRecord::SortMenuItem},
    {IDC_HIDE_AT_STARTUP, &SettingsRecord::HideStartup},
    {IDC_DISPLAY_HISTORY, &SettingsRecord::DisplayFolderHistory},
    {IDC_FOLDER_HISTORY, &SettingsRecord::DisplayHistoryFolder},
    {IDC_BROWSER_HISTORY, &SettingsRecord::DisplayHistoryIExplorer},
    {IDC_START_MENU, &SettingsRecord::MenuPosStartButton},
};

constexpr const char* kModifierNames[] = {"WIN+", "CTRL+", "ALT+"};

// Every combination with a modifier is invalid and becomes the bare key:
// the modifier is chosen in the list beside the box.
constexpr WPARAM kAnyModifiedCombination = 0xFE;

void SetDependentControls(HWND page, bool enable, std::initializer_list<int> ids) {
  for (const int id : ids) EnableControl(page, id, enable);
}

}  // namespace

CDisplayOption::CDisplayOption(HotKeyRefusal refusal)
    : CPropertyPage(IDD_DISPLAY_OPTION), m_refusal(std::move(refusal)) {}

BOOL CDisplayOption::OnInitDialog() {
  m_values = Settings();
  const HWND modifiers = GetDlgItem(IDC_HOT_KEY_MODIFIER);
  for (const char* name : kModifierNames) ComboBoxAdd(modifiers, name);
  CPropertyPage::OnInitDialog();
  ApplyEnablingRule();
  const HWND hotKey = GetDlgItem(IDC_HOT_KEY_BOX);
  SendMessageA(hotKey, HKM_SETRULES, kAnyModifiedCombination, 0);
  SendMessageA(hotKey, HKM_SETHOTKEY, static_cast<WPARAM>(m_values.IndexVirtualKey & 0xFF), 0);
  return TRUE;
}

void CDisplayOption::DoDataExchange(CDataExchange* dx) {
  for (const CheckBinding& check : kChecks) DDX_Check(dx, check.id, m_values.*check.field);
  DDX_CBIndex(dx, IDC_HOT_KEY_MODIFIER, m_values.IndexFunctionKey);
}

bool CDisplayOption::OnCommand(WORD id, WORD code, HWND) {
  // Focus, drop-downs and the like change nothing.
  const bool changed = (id == IDC_HOT_KEY_MODIFIER && code == CBN_SELCHANGE) ||
                       (id == IDC_HOT_KEY_BOX && code == EN_CHANGE) ||
                       (id != IDC_HOT_KEY_MODIFIER && id != IDC_HOT_KEY_BOX && code == BN_CLICKED);
  if (!changed) return false;
  SetModified();
  ApplyEnablingRule();
  return false;
}

void CDisplayOption::ApplyEnablingRule() {
  UpdateData(TRUE);
  SetDependentControls(m_hWnd, m_values.MenuPosHotKey == 1, {IDC_HOT_KEY_MODIFIER, IDC_HOT_KEY_BOX});
  SetDependentControls(m_hWnd, m_values.DisplayDrive == 1,
                       {IDC_DRIVE_REMOVABLE, IDC_DRIVE_FIXED, IDC_DRIVE_REMOTE, IDC_DRIVE_CDROM});
  SetDependentControls(m_hWnd, m_values.MenuPosDesktop == 1,
                       {IDC_DESKTOP_TOP, IDC_DESKTOP_LEFT, IDC_DESKTOP_RIGHT, IDC_DESKTOP_BOTTOM});
}

BOOL CDisplayOption::OnApply() {
  UpdateData(TRUE);
  // Only the key counts; the box allows no modifier anyway.
  const LRESULT hotKey = SendMessageA(GetDlgItem(IDC_HOT_KEY_BOX), HKM_GETHOTKEY, 0, 0);
  const int32_t virtualKey = static_cast<int32_t>(LOBYTE(LOWORD(hotKey)));
  // A combination another program holds would register nothing: the page
  // stays open for another choice.
  if (m_refusal && m_values.MenuPosHotKey == 1 && virtualKey != 0) {
    const std::string refusal = m_refusal(MenuHotKeyModifier(m_values.IndexFunctionKey),
                                          static_cast<unsigned>(virtualKey));
    if (!refusal.empty()) {
      AppMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
      return FALSE;
    }
  }
  SettingsRecord& record = Settings();
  for (const CheckBinding& check : kChecks) record.*check.field = m_values.*check.field;
  record.IndexFunctionKey = m_values.IndexFunctionKey;
  record.IndexVirtualKey = virtualKey;
  return CPropertyPage::OnApply();
}
