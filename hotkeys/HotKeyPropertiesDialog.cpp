#include "hotkeys/HotKeyPropertiesDialog.h"

#include <commctrl.h>

#include "common/FunctionCommandTable.h"
#include "framework/AppWindow.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/ShellDialogs.h"
#include "hotkeys/HotKeys.h"
#include "hotkeys/SelectFunctionDialog.h"
#include "resources/resource.h"

namespace {

constexpr const char* kModifierChoices[] = {"None", "Windows Key", "CTRL Key", "ALT Key",
                                            "Shift Key"};
constexpr const char* kRunStates[] = {"Normal Window", "Minimized", "Maximized"};
constexpr int kModifierBoxes[] = {IDC_MODIFIER_FIRST, IDC_MODIFIER_SECOND, IDC_MODIFIER_THIRD};
constexpr int kFileOnlyControls[] = {IDC_HOTKEY_PARAMETERS, IDC_HOTKEY_START_IN,
                                     IDC_HOTKEY_RUN_STATE};

constexpr char kExecutableFilter[] =
    "Executable Files|*.exe;*.com;*.bat;*.wsh;*.scf|All Files (*.*)|*.*||";

// Every combination with Shift, Control or Alt; the hot key box turns them
// into the bare key, since the three choice boxes hold the modifiers.
constexpr WPARAM kEveryModifiedCombination =
    HKCOMB_S | HKCOMB_C | HKCOMB_A | HKCOMB_SC | HKCOMB_SA | HKCOMB_CA | HKCOMB_SCA;

// A function command by its name, as the list shows it: the default set
// stores none, and an empty command box would refuse OK.
std::string CommandText(const CHotKeyItem& item) {
  const char* name = FunctionCommandName(item.m_nFunction);
  return item.m_nType == HOTKEY_FUNCTION && name ? name : item.m_strCommand;
}

std::string VirtualFolderMessage(const std::string& name) {
  return "You cannot select " + name +
         ". You will find this folder in \"Select Function\" dialog box";
}

}  // namespace

CHotKeyPropertiesDlg::CHotKeyPropertiesDlg(HWND parent)
    : CDialog(IDD_HOTKEY_PROPERTIES, parent) {}

CHotKeyPropertiesDlg::CHotKeyPropertiesDlg(HWND parent, const CHotKeyItem& item)
    : CDialog(IDD_HOTKEY_PROPERTIES, parent),
      m_nType(item.m_nType),
      m_nFunction(item.m_nFunction),
      m_nVirtualKey(item.m_nVirtualKey),
      m_strCommand(CommandText(item)),
      m_combos(CombosFromModifiers(item.m_nModifiers)),
      m_nOriginalModifiers(item.m_nModifiers),
      m_strParameters(item.m_strParameters),
      m_nRunState(item.m_nRunState),
      m_strStartIn(item.m_strStartIn) {}

CHotKeyItem CHotKeyPropertiesDlg::Item() const {
  return {m_nType,     m_strCommand, m_nFunction, m_strParameters, m_strStartIn, m_nRunState, 0,
          EditedModifiers(m_nOriginalModifiers, m_combos), m_nVirtualKey};
}

void CHotKeyPropertiesDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_HOTKEY_COMMAND, m_strCommand);
  for (std::size_t box = 0; box < m_combos.size(); ++box)
    DDX_CBIndex(dx, kModifierBoxes[box], m_combos[box]);
  DDX_Text(dx, IDC_HOTKEY_PARAMETERS, m_strParameters);
  DDX_CBIndex(dx, IDC_HOTKEY_RUN_STATE, m_nRunState);
  DDX_Text(dx, IDC_HOTKEY_START_IN, m_strStartIn);
}

void CHotKeyPropertiesDlg::FillChoiceBoxes() {
  for (int box : kModifierBoxes)
    for (const char* choice : kModifierChoices) ComboBoxAdd(GetDlgItem(box), choice);
  for (const char* state : kRunStates) ComboBoxAdd(GetDlgItem(IDC_HOTKEY_RUN_STATE), state);
}

BOOL CHotKeyPropertiesDlg::OnInitDialog() {
  FillChoiceBoxes();
  CDialog::OnInitDialog();
  const HWND key = GetDlgItem(IDC_HOTKEY_KEY);
  SendMessageA(key, HKM_SETRULES, kEveryModifiedCombination, 0);
  SendMessageA(key, HKM_SETHOTKEY, static_cast<WPARAM>(m_nVirtualKey & 0xFF), 0);
  SetAction(m_nType, m_strCommand);
  return TRUE;
}

void CHotKeyPropertiesDlg::SetAction(int type, const std::string& command) {
  m_nType = type;
  m_strCommand = command;
  SetDlgItemTextA(m_hWnd, IDC_HOTKEY_COMMAND, command.c_str());
  // Parameters, start-in folder and run state mean something to a file or
  // folder only.
  for (int id : kFileOnlyControls) EnableControl(m_hWnd, id, type != HOTKEY_FUNCTION);
}

bool CHotKeyPropertiesDlg::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_SELECT_FUNCTION:
      OnSelectFunction();
      return true;
    case IDC_BROWSE_FOLDER:
      OnBrowseFolder();
      return true;
    case IDC_BROWSE_FILE:
      OnBrowseFile();
      return true;
    default:
      return false;
  }
}

void CHotKeyPropertiesDlg::OnSelectFunction() {
  CSelectFunctionDlg select(m_hWnd);
  if (select.DoModal() != IDOK) return;
  const char* name = FunctionCommandName(select.m_nSelected);
  if (!name) return;
  m_nFunction = select.m_nSelected;
  SetAction(HOTKEY_FUNCTION, name);
}

void CHotKeyPropertiesDlg::OnBrowseFolder() {
  std::string path;
  std::string name;
  switch (BrowseForFolder(m_hWnd, "Select Folder", path, name)) {
    case FolderChoice::kPath:
      SetAction(HOTKEY_FOLDER, path);
      break;
    case FolderChoice::kVirtualItem:
      AppMessageBox(VirtualFolderMessage(name), MB_OK);
      break;
    case FolderChoice::kCancelled:
      break;
  }
}

void CHotKeyPropertiesDlg::OnBrowseFile() {
  std::string path;
  if (BrowseForFile(m_hWnd, kExecutableFilter, path)) SetAction(HOTKEY_FILE, path);
}

void CHotKeyPropertiesDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_nVirtualKey = LOBYTE(LOWORD(SendMessageA(GetDlgItem(IDC_HOTKEY_KEY), HKM_GETHOTKEY, 0, 0)));
  if (ValidateHotKeyCandidate(m_nVirtualKey, EditedModifiers(m_nOriginalModifiers, m_combos),
                              m_strCommand))
    EndDialog(IDOK);
}
