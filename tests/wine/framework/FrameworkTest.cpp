// The framework's dialogs, data exchange and property sheets on real
// windows. Each dialog drives itself from its initialisation and ends.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/PropertySheet.h"
#include "tests/wine/framework/FrameworkTestIds.h"

namespace {

class ScriptedDialog : public CDialog {
 public:
  ScriptedDialog() : CDialog(IDD_TEST_DIALOG) {}

  int m_check = 0;
  int m_index = 0;
  std::string m_text;
  std::function<void(ScriptedDialog&)> onInit;
  int commands = 0;
  int unhandledApp = 0;
  bool destroyed = false;

  using CDialog::UpdateData;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Check(dx, IDC_TEST_CHECK, m_check);
    DDX_CBIndex(dx, IDC_TEST_COMBO, m_index);
    DDX_Text(dx, IDC_TEST_EDIT, m_text);
  }
  BOOL OnInitDialog() override {
    const HWND combo = GetDlgItem(IDC_TEST_COMBO);
    for (const char* item : {"WIN+", "CTRL+", "ALT+"})
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    CDialog::OnInitDialog();
    if (onInit) onInit(*this);
    return TRUE;
  }
  bool OnCommand(WORD id, WORD, HWND) override {
    if (id != IDC_TEST_EDIT) return false;
    ++commands;
    return true;
  }
  INT_PTR DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP) ++unhandledApp;
    return CDialog::DefWindowProc(message, wParam, lParam);
  }
  void OnDestroy() override { destroyed = true; }
};

TEST(CDialog, DataExchangeFillsControlsAndReadsThemBack) {
  ScriptedDialog dialog;
  dialog.m_check = 1;
  dialog.m_index = 2;
  dialog.m_text = "C:\\Program Files\\Stowpouch";
  std::string shownText;
  LRESULT shownIndex = -1;
  dialog.onInit = [&](ScriptedDialog& self) {
    const HWND hwnd = self.GetSafeHwnd();
    shownIndex = SendDlgItemMessageA(hwnd, IDC_TEST_COMBO, CB_GETCURSEL, 0, 0);
    char text[MAX_PATH] = {};
    GetDlgItemTextA(hwnd, IDC_TEST_EDIT, text, sizeof text);
    shownText = text;
    // The user's edits, then OK.
    CheckDlgButton(hwnd, IDC_TEST_CHECK, BST_UNCHECKED);
    SendDlgItemMessageA(hwnd, IDC_TEST_COMBO, CB_SETCURSEL, 0, 0);
    SetDlgItemTextA(hwnd, IDC_TEST_EDIT, std::string(1000, 'w').c_str());
    PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(shownIndex, 2);
  EXPECT_EQ(shownText, "C:\\Program Files\\Stowpouch");
  EXPECT_EQ(dialog.m_check, 0);
  EXPECT_EQ(dialog.m_index, 0);
  EXPECT_EQ(dialog.m_text, std::string(1000, 'w'));
  EXPECT_TRUE(dialog.destroyed);
  EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST(CDialog, CancelKeepsMembersAndRoutesTheRest) {
  ScriptedDialog dialog;
  dialog.m_text = "kept";
  dialog.onInit = [](ScriptedDialog& self) {
    const HWND hwnd = self.GetSafeHwnd();
    SetDlgItemTextA(hwnd, IDC_TEST_EDIT, "discarded");
    PostMessageA(hwnd, WM_APP, 0, 0);
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, EN_CHANGE), 0);
    PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
  };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_text, "kept");
  EXPECT_EQ(dialog.unhandledApp, 1);
  EXPECT_GE(dialog.commands, 1);
}

TEST(CDialog, DestroyedFromElsewhereEndsItsLoop) {
  ScriptedDialog dialog;
  dialog.onInit = [](ScriptedDialog& self) { DestroyWindow(self.GetSafeHwnd()); };
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_TRUE(dialog.destroyed);
}

TEST(CDialog, MissingTemplateReturnsMinusOne) {
  class Missing : public CDialog {
   public:
    Missing() : CDialog(4321) {}
  } dialog;
  EXPECT_EQ(dialog.DoModal(), -1);
}

class CountingPage : public CPropertyPage {
 public:
  CountingPage() : CPropertyPage(IDD_TEST_PAGE) {}
  int m_check = 1;
  int applies = 0;
  int activations = 0;
  bool modifiedAfterInit = true;
  std::function<void(CountingPage&)> onInit;

 protected:
  void DoDataExchange(CDataExchange* dx) override { DDX_Check(dx, IDC_TEST_CHECK, m_check); }
  BOOL OnInitDialog() override {
    const BOOL result = CPropertyPage::OnInitDialog();
    return result;
  }
  BOOL OnSetActive() override {
    ++activations;
    if (activations == 1) {
      modifiedAfterInit = IsModified();
      if (onInit) onInit(*this);
    }
    return TRUE;
  }
  BOOL OnApply() override {
    ++applies;
    UpdateData(TRUE);
    return CPropertyPage::OnApply();
  }
};

TEST(CPropertySheet, OkAppliesTheCreatedPages) {
  CountingPage first, second;
  first.onInit = [](CountingPage& page) {
    CheckDlgButton(page.GetSafeHwnd(), IDC_TEST_CHECK, BST_UNCHECKED);
    page.SetModified();
    PostMessageA(GetParent(page.GetSafeHwnd()), PSM_PRESSBUTTON, PSBTN_OK, 0);
  };
  CPropertySheet sheet("Option", nullptr);
  sheet.AddPage(&first);
  sheet.AddPage(&second);
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_FALSE(first.modifiedAfterInit);
  EXPECT_EQ(first.applies, 1);
  EXPECT_EQ(first.m_check, 0);
  EXPECT_FALSE(first.IsModified());
  // A page that was never shown was never created, so it applies nothing.
  EXPECT_EQ(second.applies, 0);
  EXPECT_EQ(second.m_check, 1);
}

TEST(CPropertySheet, CancelAppliesNothing) {
  CountingPage page;
  page.onInit = [](CountingPage& self) {
    self.SetModified();
    PostMessageA(GetParent(self.GetSafeHwnd()), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  };
  CPropertySheet sheet("Option", nullptr);
  sheet.AddPage(&page);
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(page.applies, 0);
}

}  // namespace
