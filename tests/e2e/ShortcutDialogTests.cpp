// The shortcut key dialogs driven through their controls: what the
// properties dialog refuses, the function and file choices, and the list
// view kept in step with the shortcuts through every change, down to the
// saved list, also when the session ends during an edit.
#include "Harness.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include "common/FunctionCommandTable.h"
#include "hotkeys/HotKeyFile.h"
#include "hotkeys/HotKeyRules.h"
#include "hotkeys/HotKeyText.h"
#include "resources/resource.h"

namespace e2e {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows RowsOf(const std::vector<CHotKeyItem>& items) {
  Rows rows;
  for (const CHotKeyItem& item : items) rows.push_back(HotKeyRowTexts(item));
  return rows;
}

class ShortcutDialogTest : public StowpouchTest {
 protected:
  // Posted: the buttons that open a nested dialog return only when it closes.
  HWND Click(HWND dialog, int button, const char* opens) {
    PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    const HWND opened = app_->WaitForDialog(opens);
    return opened && app_->Settle() ? opened : nullptr;
  }

  bool OpenSetDialog() {
    PostMessageA(app_->Window(), WM_COMMAND, MAKEWPARAM(IDC_SET_SHORTCUT_KEY, BN_CLICKED), 0);
    set_ = app_->WaitForDialog("Set Shotcut Key Dialog");
    return set_ && app_->Settle();
  }
  Rows ViewRows() const { return ListViewRows(GetDlgItem(set_, IDC_HOTKEY_LIST), 3); }
  bool SelectRow(int row) const { return SelectListViewRow(GetDlgItem(set_, IDC_HOTKEY_LIST), row); }

  // Fills the open properties dialog as a user would, the command as a
  // folder choice leaves it.
  static bool Fill(HWND properties, std::array<int, 3> combos, WORD key, const std::string& folder) {
    constexpr int kBoxes[] = {IDC_MODIFIER_FIRST, IDC_MODIFIER_SECOND, IDC_MODIFIER_THIRD};
    for (std::size_t i = 0; i < combos.size(); ++i)
      if (!Send(GetDlgItem(properties, kBoxes[i]), CB_SETCURSEL, static_cast<WPARAM>(combos[i])))
        return false;
    return Send(GetDlgItem(properties, IDC_HOTKEY_KEY), HKM_SETHOTKEY, key) &&
           Send(GetDlgItem(properties, IDC_HOTKEY_COMMAND), WM_SETTEXT, 0,
                reinterpret_cast<LPARAM>(folder.c_str()));
  }

  // Presses a button of a dialog: the message box that answers instead of
  // the dialog closing (closed by this), or "" once the dialog has closed.
  std::string Press(HWND dialog, int button = IDOK) {
    PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    std::string said = "(no answer)";
    WaitUntil([&] {
      const HWND box = app_->ShownMessageBox();
      if (box && Visible(box)) return !(said = AnswerMessageBox()).empty();
      if (IsWindow(dialog)) return false;
      said.clear();
      return app_->Settle();
    });
    return said;
  }
  // The text of the message box that shows next, closed by this.
  std::string AnswerMessageBox() {
    const HWND box = app_->WaitForMessageBox();
    const std::string said = box ? Stowpouch::MessageBoxText(box) : "";
    if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(box); }) ? said : "";
  }
  HWND EditRow(int row) {
    return SelectRow(row) ? Click(set_, IDC_HOTKEY_PROPERTIES, "Shortcut Key Properties") : nullptr;
  }

  // After SetUp has emptied the settings and the work folder, and after the
  // test has written its list.
  bool Start() { return app_.emplace().Ready(); }

  std::optional<Stowpouch> app_;
  HWND set_ = nullptr;
};

std::string CommandOf(HWND properties) {
  return WindowText(GetDlgItem(properties, IDC_HOTKEY_COMMAND));
}

// How many of Parameters, Start in and Run are enabled.
int FileControlsEnabled(HWND properties) {
  int enabled = 0;
  for (int id : {IDC_HOTKEY_PARAMETERS, IDC_HOTKEY_START_IN, IDC_HOTKEY_RUN_STATE})
    enabled += IsWindowEnabled(GetDlgItem(properties, id)) ? 1 : 0;
  return enabled;
}

// The file name box of the file-open dialog: the edit inside its combo.
HWND FileNameBox(HWND open) {
  HWND edit = nullptr;
  EnumChildWindows(
      GetDlgItem(open, cmb13),
      [](HWND child, LPARAM found) {
        char name[16] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Edit") != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&edit));
  return edit;
}

TEST_F(ShortcutDialogTest, PropertiesRefuseWhatCannotBeUsedAndFollowTheChosenKind) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(OpenSetDialog());
  const HWND properties = Click(set_, IDC_HOTKEY_ADD, "Shortcut Key Properties");
  ASSERT_NE(properties, nullptr);

  EXPECT_EQ(Press(properties), "You should select Hot key");
  ASSERT_TRUE(Send(GetDlgItem(properties, IDC_HOTKEY_KEY), HKM_SETHOTKEY, 'K'));
  EXPECT_EQ(Press(properties), "You should select Function, Folder, or File");
  ASSERT_TRUE(Fill(properties, {0, 0, 0}, 'K', "C:\\"));
  EXPECT_EQ(Press(properties), "Cannot use this hot key.");

  // The folder browser's root, the desktop, is a folder of the file system.
  PostMessageA(GetDlgItem(properties, IDC_BROWSE_FOLDER), BM_CLICK, 0, 0);
  HWND browser = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND dialog : TopLevelWindows(app_->process().Id(), "#32770", nullptr))
      if (dialog != set_ && dialog != properties && Visible(dialog)) browser = dialog;
    return browser != nullptr;
  }));
  const HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
  const LRESULT root = Send(tree, TVM_GETNEXTITEM, TVGN_ROOT).value_or(0);
  ASSERT_TRUE(root && Send(tree, TVM_SELECTITEM, TVGN_CARET, root).value_or(FALSE));
  EXPECT_EQ(Press(browser), "");
  char desktop[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
  EXPECT_TRUE(WaitUntil([&] { return CommandOf(properties) == desktop; }));

  // OK with nothing chosen is Cancel; a separator is refused and the list
  // stays open; a command is taken.
  HWND select = Click(properties, IDC_SELECT_FUNCTION, "Select Function");
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(Press(select), "");
  EXPECT_EQ(CommandOf(properties), desktop);
  select = Click(properties, IDC_SELECT_FUNCTION, "Select Function");
  ASSERT_NE(select, nullptr);
  const std::vector<std::string> names(FunctionCommandTable.begin(), FunctionCommandTable.end());
  EXPECT_EQ(ListBoxRows(GetDlgItem(select, IDC_FUNCTION_LIST)), names);
  SavePictureOf(select, "select-function");
  ASSERT_TRUE(Send(GetDlgItem(select, IDC_FUNCTION_LIST), LB_SETCURSEL, 8));
  EXPECT_EQ(Press(select), "You cannot select separator. Please, select action command.");
  EXPECT_TRUE(IsWindow(select));
  ASSERT_TRUE(Send(GetDlgItem(select, IDC_FUNCTION_LIST), LB_SETCURSEL, 10));
  EXPECT_EQ(Press(select), "");
  EXPECT_EQ(CommandOf(properties), "Close All Stowpouch Item");
  EXPECT_EQ(FileControlsEnabled(properties), 0);
  SavePictureOf(properties, "shortcut-properties");

  // A file chosen in the file-open dialog enables them again.
  const HWND open = Click(properties, IDC_BROWSE_FILE, "Open");
  ASSERT_NE(open, nullptr);
  const std::string probe = BinFolder() + "StartProbe.exe";
  ASSERT_TRUE(Send(FileNameBox(open), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(probe.c_str())));
  EXPECT_EQ(Press(open), "");
  EXPECT_TRUE(WaitUntil([&] { return FileControlsEnabled(properties) == 3; }));
  EXPECT_EQ(CommandOf(properties), probe);

  EXPECT_EQ(Press(properties, IDCANCEL), "");
  EXPECT_EQ(ViewRows(), RowsOf(DefaultHotKeyItems([](char c) { return c == 'C' || c == 'D'; })));
}

TEST_F(ShortcutDialogTest, EveryChangeWorksAtOnceAndTheViewStaysInStepDownToTheSavedList) {
  ResetSettings({{"QueryQuit", 1}});
  const std::string startIn = WorkFolder() + "probe";
  const std::string probeFile = startIn + "\\probe.txt";
  CreateDirectoryA(startIn.c_str(), nullptr);
  DeleteFileA(probeFile.c_str());
  const int32_t kCtrlAlt = MOD_CONTROL | MOD_ALT;
  std::vector<CHotKeyItem> items = {
      {HOTKEY_FILE, BinFolder() + "StartProbe.exe", 0, "pressed", startIn, 0, 0, kCtrlAlt, 'J'},
      {HOTKEY_FUNCTION, "Close All Stowpouch Item", 10, "", "", 0, 0, kCtrlAlt, 'L'},
      {HOTKEY_FOLDER, "C:\\", 0, "", "", 0, 0, MOD_WIN, 'N'}};
  ASSERT_TRUE(WriteFileBytes(WorkFolder() + "HotKey.lst", EncodeHotKeyList(items)));
  ASSERT_TRUE(Start());
  ASSERT_TRUE(OpenSetDialog());
  EXPECT_EQ(ViewRows(), RowsOf(items));

  // Edited and left as it was: it does not collide with itself.
  HWND properties = EditRow(1);
  ASSERT_NE(properties, nullptr);
  EXPECT_EQ(Press(properties), "");
  EXPECT_EQ(ViewRows(), RowsOf(items));

  // Cancelled: back in its place, registered again.
  properties = EditRow(0);
  ASSERT_NE(properties, nullptr);
  EXPECT_FALSE(HeldBySomeone(kCtrlAlt, 'J'));
  EXPECT_EQ(Press(properties, IDCANCEL), "");
  EXPECT_EQ(ViewRows(), RowsOf(items));
  EXPECT_TRUE(PressUntil({VK_CONTROL, VK_MENU, 'J'}, [&] {
    return ReadFileBytes(probeFile).rfind("pressed\r\n", 0) == 0;
  }));

  // Cancelled while another program took its key: kept, unregistered.
  properties = EditRow(2);
  ASSERT_NE(properties, nullptr);
  ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_WIN, 'N'));
  PostMessageA(GetDlgItem(properties, IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_EQ(AnswerMessageBox(), "Cannot Register HotKey. Maybe Hotkey is duplicated.");
  UnregisterHotKey(nullptr, 7);
  EXPECT_EQ(ViewRows(), RowsOf(items));

  // Added through the dialog: registered at once, and it opens its folder.
  const std::string folder = WorkFolder() + "Shortcut target";
  CreateDirectoryA(folder.c_str(), nullptr);
  properties = Click(set_, IDC_HOTKEY_ADD, "Shortcut Key Properties");
  ASSERT_NE(properties, nullptr);
  ASSERT_TRUE(Fill(properties, {2, 3, 0}, 'M', folder));
  EXPECT_EQ(Press(properties), "");
  items.push_back({HOTKEY_FOLDER, folder, 0, "", "", 0, 0, kCtrlAlt, 'M'});
  EXPECT_EQ(ViewRows(), RowsOf(items));
  HWND opened = nullptr;
  EXPECT_TRUE(PressUntil({VK_CONTROL, VK_MENU, 'M'}, [&] {
    return (opened = FindWindowA(nullptr, "Shortcut target")) != nullptr;
  }));
  if (opened) PostMessageA(opened, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(opened); }));

  // Deleted: the row goes, the key is free.
  ASSERT_TRUE(SelectRow(1));
  ASSERT_TRUE(Send(GetDlgItem(set_, IDC_HOTKEY_DELETE), BM_CLICK));
  items.erase(items.begin() + 1);
  EXPECT_EQ(ViewRows(), RowsOf(items));
  EXPECT_FALSE(HeldBySomeone(kCtrlAlt, 'L'));

  const Rows shown = ViewRows();
  EXPECT_EQ(Press(set_), "");
  PostMessageA(app_->Window(), WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(app_->process().WaitForExit());
  EXPECT_EQ(ReadFileBytes(WorkFolder() + "HotKey.lst"), EncodeHotKeyList(items));
  EXPECT_EQ(shown, RowsOf(items));
}

TEST_F(ShortcutDialogTest, DefaultFunctionShortcutsAndFourModifiersSurviveAnEdit) {
  ResetSettings({{"QueryQuit", 1}});
  // The default set's function shortcuts carry no command text.
  std::vector<CHotKeyItem> items = DefaultHotKeyItems([](char c) { return c == 'C' || c == 'D'; });
  items.push_back({HOTKEY_FOLDER, "C:\\", 0, "", "", 0, 0, MOD_WIN | MOD_CONTROL | MOD_ALT | MOD_SHIFT,
                   'Z'});
  ASSERT_TRUE(WriteFileBytes(WorkFolder() + "HotKey.lst", EncodeHotKeyList(items)));
  ASSERT_TRUE(Start());
  ASSERT_TRUE(OpenSetDialog());

  HWND properties = EditRow(2);  // Windows + Y, My Computer
  ASSERT_NE(properties, nullptr);
  EXPECT_EQ(CommandOf(properties), "My Computer");
  ASSERT_TRUE(Send(GetDlgItem(properties, IDC_HOTKEY_KEY), HKM_SETHOTKEY, 'K'));
  EXPECT_EQ(Press(properties), "");
  items[2].m_nVirtualKey = 'K';
  items[2].m_strCommand = "My Computer";

  properties = EditRow(static_cast<int>(items.size()) - 1);
  ASSERT_NE(properties, nullptr);
  EXPECT_EQ(Press(properties), "");
  EXPECT_EQ(ViewRows(), RowsOf(items));

  EXPECT_EQ(Press(set_), "");
  PostMessageA(app_->Window(), WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(app_->process().WaitForExit());
  EXPECT_EQ(ReadFileBytes(WorkFolder() + "HotKey.lst"), EncodeHotKeyList(items));
}

// Log-off ends the process right after WM_ENDSESSION; "/close" runs the
// whole teardown. Either way the shortcut open in Properties is saved.
TEST_F(ShortcutDialogTest, ShortcutOpenInPropertiesIsSavedWhenTheSessionEnds) {
  const std::vector<CHotKeyItem> items = {
      {HOTKEY_FOLDER, "C:\\", 0, "", "", 0, 0, MOD_WIN, 'N'},
      {HOTKEY_FOLDER, "D:\\", 0, "", "", 0, 0, MOD_CONTROL | MOD_ALT, 'J'}};
  for (const bool closeApp : {false, true}) {
    SCOPED_TRACE(closeApp ? "/close" : "log-off");
    ASSERT_TRUE(WriteFileBytes(WorkFolder() + "HotKey.lst", EncodeHotKeyList(items)));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(OpenSetDialog());
    ASSERT_NE(EditRow(1), nullptr);
    if (closeApp) {
      EXPECT_EQ(RunToEnd(BinFolder() + "Stowpouch.exe", "/close"), std::optional<DWORD>(0));
    } else {
      EXPECT_EQ(Send(app_->Window(), WM_QUERYENDSESSION), std::optional<LRESULT>(TRUE));
      ASSERT_TRUE(Send(app_->Window(), WM_ENDSESSION, TRUE, 0).has_value());
      ASSERT_TRUE(TerminateProcess(app_->process().Get(), 1));
    }
    ASSERT_TRUE(app_->process().WaitForExit());
    EXPECT_EQ(ReadFileBytes(WorkFolder() + "HotKey.lst"), EncodeHotKeyList(items));
    app_.reset();
  }
}

TEST_F(ShortcutDialogTest, SetDefaultReplacesTheListAndTheStandardKeysAreShown) {
  const std::vector<CHotKeyItem> items = {{HOTKEY_FOLDER, "C:\\", 0, "", "", 0, 0, MOD_ALT, 'J'}};
  ASSERT_TRUE(WriteFileBytes(WorkFolder() + "HotKey.lst", EncodeHotKeyList(items)));
  ASSERT_TRUE(Start());
  ASSERT_TRUE(OpenSetDialog());
  EXPECT_EQ(ViewRows(), RowsOf(items));
  ASSERT_TRUE(Send(GetDlgItem(set_, IDC_HOTKEY_DEFAULT), BM_CLICK));
  EXPECT_EQ(ViewRows(), RowsOf(DefaultHotKeyItems([](char c) { return c == 'C' || c == 'D'; })));
  EXPECT_FALSE(HeldBySomeone(MOD_ALT, 'J'));
  EXPECT_TRUE(HeldBySomeone(MOD_WIN, '1'));
  SavePictureOf(set_, "set-shortcut-key");

  const HWND standard = Click(set_, IDC_STANDARD_WIN_KEY, "Standard Windows key shortcuts");
  ASSERT_NE(standard, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(standard, IDC_STANDARD_KEYS_TEXT)),
            "Windows Key + D:\t\tShow Desktop*\r\nWindows Key + E:\t\tWindows Explorer\r\n"
            "Windows Key + F:\t\tFind Files or Folders...\r\nWindows Key + Ctrl+F:\tFind Computer...\r\n"
            "Windows Key + M:\t\tMinimize All Windows\r\nWindows Key + Shift+M:\tUndo Minimize All\r\n"
            "Windows Key + R:\t\tRun...\r\nWindows Key + Tab:\tSelect Task\r\n"
            "Windows Key + Break:\tSystem Properties\r\nWindows Key + F1:\t\tWindows Help\r\n"
            "\r\n* Requires Internet Explorer 4.0 Desktop Update.");
  SavePictureOf(standard, "standard-windows-keys");
  EXPECT_EQ(Press(standard, IDCANCEL), "");
}

}  // namespace
}  // namespace e2e
