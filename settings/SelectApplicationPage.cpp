#include "settings/SelectApplicationPage.h"

#include "framework/AppWindow.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace {

constexpr char kListFullText[] =
    "The list of applications is full.\r\nDelete an application before you add another.";

}  // namespace

CSelectApplicationDialog::CSelectApplicationDialog(ApplicationPicker picker)
    : CPropertyPage(IDD_SELECT_APPLICATION), m_picker(std::move(picker)) {}

BOOL CSelectApplicationDialog::OnInitDialog() {
  const SettingsRecord& record = Settings();
  m_explorer = record.Explorer;
  m_folder = record.Folder;
  m_iexplorer = record.IExplorer;
  m_netscape = record.Netscape;
  CopyStringList(m_captions, record.UserAppCaption);
  CopyStringList(m_classNames, record.UserClassName);
  CPropertyPage::OnInitDialog();
  RefillList();
  return TRUE;
}

void CSelectApplicationDialog::DoDataExchange(CDataExchange* dx) {
  DDX_Check(dx, IDC_FOLDERS, m_folder);
  DDX_Check(dx, IDC_EXPLORERS, m_explorer);
  DDX_Check(dx, IDC_INTERNET_EXPLORERS, m_iexplorer);
  DDX_Check(dx, IDC_NETSCAPE_NAVIGATORS, m_netscape);
}

bool CSelectApplicationDialog::OnCommand(WORD id, WORD code, HWND) {
  // Selections and focus in the list change nothing; Add and Delete mark
  // the page only when the list changed.
  if (code != BN_CLICKED) return false;
  if (id == IDC_ADD_APPLICATION) {
    AddApplication();
    return true;
  }
  if (id == IDC_DELETE_APPLICATION) {
    DeleteApplication();
    return true;
  }
  SetModified();  // one of the kind boxes
  return false;
}

void CSelectApplicationDialog::AddApplication() {
  std::string title;
  std::string className;
  if (!m_picker || !m_picker(m_hWnd, title, className)) return;
  title = StringListElement(title);
  className = StringListElement(className);
  if (!StringListHasRoomFor(m_captions, title) || !StringListHasRoomFor(m_classNames, className)) {
    AppMessageBox(kListFullText, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  m_captions.push_back(title);
  m_classNames.push_back(className);
  RefillList();
  SetModified();
}

void CSelectApplicationDialog::DeleteApplication() {
  const int row = ListBoxSelection(GetDlgItem(IDC_USER_APPLICATIONS));
  if (row < 0 || static_cast<std::size_t>(row) >= m_captions.size()) return;
  m_captions.erase(m_captions.begin() + row);
  if (static_cast<std::size_t>(row) < m_classNames.size())
    m_classNames.erase(m_classNames.begin() + row);
  RefillList();
  SetModified();
}

void CSelectApplicationDialog::RefillList() {
  const HWND list = GetDlgItem(IDC_USER_APPLICATIONS);
  ListBoxClear(list);
  for (const std::string& caption : m_captions) ListBoxAdd(list, caption);
}

BOOL CSelectApplicationDialog::OnApply() {
  UpdateData(TRUE);
  SettingsRecord& record = Settings();
  record.Explorer = m_explorer;
  record.Folder = m_folder;
  record.IExplorer = m_iexplorer;
  record.Netscape = m_netscape;
  CopyStringList(record.UserAppCaption, m_captions);
  CopyStringList(record.UserClassName, m_classNames);
  SaveKindSettings();
  return CPropertyPage::OnApply();
}
