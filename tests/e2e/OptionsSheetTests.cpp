// The options sheet driven from outside as its controls would drive it:
// clicks, list selections with their notifications, the hot key box typed
// into, and the sheet's own buttons.
#include "Harness.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "settings/SettingsRecord.h"
#include "shellext/GraftlingIds.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/ServerRegistration.h"
#include "tests/support/shell/StandInShellClient.h"
#include "tests/support/taskbarlist/RecorderClient.h"

namespace e2e {
namespace {

class OptionsSheet {
 public:
  explicit OptionsSheet(Stowpouch& app) {
    PostMessageA(app.Window(), WM_COMMAND, MAKEWPARAM(IDC_OPTIONS, BN_CLICKED), 0);
    WaitUntil([&] { return (sheet_ = TopLevelWindow(app.process().Id(), nullptr, "Option")); });
  }
  bool Open() const { return sheet_ != nullptr; }
  HWND Sheet() const { return sheet_; }

  // The page at `index`, made the current one (which creates it).
  HWND Page(int index) const {
    Send(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return reinterpret_cast<HWND>(Send(sheet_, PSM_GETCURRENTPAGEHWND).value_or(0));
  }
  // OK, Cancel or Apply; OK and Cancel end the sheet.
  void Press(int button) const { PostMessageA(sheet_, PSM_PRESSBUTTON, button, 0); }
  // The sheet has gone. (The taskbar refresh that follows it lets the
  // queue run, so what comes after may still be under way.)
  bool Closed() const { return WaitUntil([&] { return !IsWindow(sheet_); }); }

 private:
  HWND sheet_ = nullptr;
};

HWND Control(HWND page, int id) { return GetDlgItem(page, id); }
bool Checked(HWND page, int id) { return Send(Control(page, id), BM_GETCHECK) == BST_CHECKED; }
bool Enabled(HWND page, int id) { return IsWindowEnabled(Control(page, id)) != FALSE; }
void Click(HWND page, int id) { Send(Control(page, id), BM_CLICK); }

std::string ReadListValue(const char* name) {
  char text[kListBufferBytes] = {};
  DWORD size = sizeof text;
  if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_REG_SZ, nullptr, text,
                   &size) != ERROR_SUCCESS)
    return "(none)";
  return text;
}

void WriteListValue(const char* name, const std::string& text) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0,
                                           KEY_SET_VALUE, nullptr, &key, nullptr));
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}

// The Display page's boxes and their values, dependent boxes before the box
// that greys them, so that each can still be clicked.
const std::vector<std::pair<int, const char*>> kDisplayChecks = {
    {IDC_QUICK_LAUNCH, "MenuPosAppBar"},          {IDC_TRAY_ICON, "MenuPosTray"},
    {IDC_DESKTOP_TOP, "MenuPosDesktopTop"},       {IDC_DESKTOP_LEFT, "MenuPosDesktopLeft"},
    {IDC_DESKTOP_RIGHT, "MenuPosDesktopRight"},   {IDC_DESKTOP_BOTTOM, "MenuPosDesktopBottom"},
    {IDC_DESKTOP_CLICK, "MenuPosDesktop"},        {IDC_HOT_KEY, "MenuPosHotKey"},
    {IDC_LARGE_ICONS, "DisplayMenuLargeIcon"},    {IDC_MENU_ICONS, "DIsplayMenuIcons"},
    {IDC_MENU_LOGO, "DisplayMenuLogo"},           {IDC_256_COLOR_ICONS, "Use256ColorsIcon"},
    {IDC_DESKTOP_ICON_ITEM, "DesktopIcon"},       {IDC_FUNCTION_COMMAND_ITEM, "FunctionCommand"},
    {IDC_CLOSE_ALL_ITEM, "DisplayCloseAll"},      {IDC_MINIMIZE_ALL_ITEM, "DisplayMinimizeAll"},
    {IDC_DRIVE_REMOVABLE, "DisplayRemovable"},    {IDC_DRIVE_FIXED, "DisplayFixed"},
    {IDC_DRIVE_REMOTE, "DisplayRemote"},          {IDC_DRIVE_CDROM, "DisplayCDROM"},
    {IDC_DRIVE_MENU, "DisplayDrive"},             {IDC_SORT_MENU_ITEMS, "SortMenuItem"},
    {IDC_HIDE_AT_STARTUP, "HideStartup"},
};

constexpr int kAlwaysDisabled[] = {IDC_DISPLAY_HISTORY, IDC_FOLDER_HISTORY, IDC_BROWSER_HISTORY,
                                   IDC_START_MENU};

using OptionsSheetTest = StowpouchTest;

TEST_F(OptionsSheetTest, EveryDisplayBoxReachesItsValueThroughOkAndTheNextHide) {
  ResetSettings({{"QueryHide", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  OptionsSheet sheet(app);
  ASSERT_TRUE(sheet.Open());
  const HWND page = sheet.Page(1);
  ASSERT_NE(page, nullptr);
  for (int id : kAlwaysDisabled) EXPECT_FALSE(Enabled(page, id)) << id;
  EXPECT_TRUE(SavePictureOf(sheet.Sheet(), "options-display"));

  // Unticking the drive menu greys its types and keeps their ticks.
  std::vector<bool> types;
  for (int id = IDC_DRIVE_REMOVABLE; id <= IDC_DRIVE_CDROM; ++id) types.push_back(Checked(page, id));
  Click(page, IDC_DRIVE_MENU);
  for (int id = IDC_DRIVE_REMOVABLE; id <= IDC_DRIVE_CDROM; ++id) {
    EXPECT_FALSE(Enabled(page, id)) << id;
    EXPECT_EQ(Checked(page, id), types[static_cast<std::size_t>(id - IDC_DRIVE_REMOVABLE)]) << id;
  }
  Click(page, IDC_DRIVE_MENU);
  for (int id = IDC_DRIVE_REMOVABLE; id <= IDC_DRIVE_CDROM; ++id) EXPECT_TRUE(Enabled(page, id));

  std::vector<bool> before;
  for (const auto& [id, name] : kDisplayChecks) {
    before.push_back(Checked(page, id));
    Click(page, id);
    EXPECT_NE(Checked(page, id), before.back()) << name;
  }
  sheet.Press(PSBTN_OK);
  ASSERT_TRUE(sheet.Closed());
  // The tray icon goes once the sheet has closed: its box was ticked.
  EXPECT_TRUE(before[1]);
  EXPECT_TRUE(WaitUntil([&] { return !TrayIconThere(app.Window()); }));

  PostMessageA(app.Window(), WM_COMMAND, IDOK, 0);
  // The values are written one by one: all of them are there once saved.
  ASSERT_TRUE(WaitUntil([&] {
    if (!ReadSetting("QueryQuit")) return false;
    for (const auto& check : kDisplayChecks)
      if (!ReadSetting(check.second)) return false;
    return true;
  }));
  for (std::size_t i = 0; i < kDisplayChecks.size(); ++i)
    EXPECT_EQ(ReadSetting(kDisplayChecks[i].second), before[i] ? 0u : 1u) << kDisplayChecks[i].second;
}

TEST_F(OptionsSheetTest, OkOnTheFirstPageWritesItAtOnceAndLeavesTheDisplayAlone) {
  ResetSettings({{"QueryHide", 1}, {"DisplayDrive", 0}, {"SortMenuItem", 0}, {"IndexVirtualKey", 'Z'}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  OptionsSheet sheet(app);
  ASSERT_TRUE(sheet.Open());
  // Asked for again (from the tray menu), it is not opened a second time.
  PostMessageA(app.Window(), WM_COMMAND, MAKEWPARAM(IDC_OPTIONS, BN_CLICKED), 0);
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(TopLevelWindows(app.process().Id(), nullptr, "Option").size(), 1u);
  Click(sheet.Page(0), IDC_FOLDERS);
  sheet.Press(PSBTN_OK);
  ASSERT_TRUE(sheet.Closed());
  EXPECT_EQ(ReadSetting("Folder"), 0u);

  // The hide path saves the record ("QueryQuit" is saved only there; the
  // window itself blinks while the taskbar refresh runs).
  PostMessageA(app.Window(), WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return ReadSetting("QueryQuit").has_value(); }));
  EXPECT_EQ(ReadSetting("DisplayDrive"), 0u);
  EXPECT_EQ(ReadSetting("SortMenuItem"), 0u);
  EXPECT_EQ(ReadSetting("IndexVirtualKey"), static_cast<DWORD>('Z'));
  EXPECT_EQ(ReadSetting("MenuPosTray"), 1u);
}

// On a taskbar without Graftling, a kind switched off gets back the buttons
// Stowpouch took from its windows, and only those.
TEST_F(OptionsSheetTest, FoldersSwitchedOffGetTheirTaskbarButtonsBack) {
  const taskbarlist::TaskbarListRecorder recorder;
  ASSERT_TRUE(recorder.Registered());
  farm::WindowFarm farm;
  ASSERT_TRUE(farm.Running());
  const HWND folder = farm.Create(farm::Spec("CabinetWClass", "Folder"));
  const HWND explorer = farm.Create(farm::Spec("ExploreWClass", "Explorer"));
  ASSERT_TRUE(folder && explorer);
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_EQ(recorder.Count(taskbarlist::kDeleteTab, folder), 1);
  OptionsSheet sheet(app);
  ASSERT_TRUE(sheet.Open());
  Click(sheet.Page(0), IDC_FOLDERS);
  sheet.Press(PSBTN_OK);
  ASSERT_TRUE(sheet.Closed());
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(recorder.Count(taskbarlist::kAddTab, folder), 1);
  EXPECT_EQ(recorder.Count(taskbarlist::kAddTab, explorer), 0);
  EXPECT_EQ(recorder.Count(taskbarlist::kDeleteTab, explorer), 1);
}

// Apply lights up on a change only, not on focus, selection or drop-down.
TEST_F(OptionsSheetTest, ApplyWaitsForAChange) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  OptionsSheet sheet(app);
  ASSERT_TRUE(sheet.Open());
  const HWND apply = GetDlgItem(sheet.Sheet(), 0x3021);  // the sheet's Apply button
  const HWND select = sheet.Page(0);
  const HWND list = Control(select, IDC_USER_APPLICATIONS);
  Send(select, WM_COMMAND, MAKEWPARAM(IDC_USER_APPLICATIONS, LBN_SETFOCUS),
       reinterpret_cast<LPARAM>(list));
  Send(select, WM_COMMAND, MAKEWPARAM(IDC_USER_APPLICATIONS, LBN_SELCHANGE),
       reinterpret_cast<LPARAM>(list));
  const HWND display = sheet.Page(1);
  const HWND modifier = Control(display, IDC_HOT_KEY_MODIFIER);
  Send(display, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_MODIFIER, CBN_DROPDOWN),
       reinterpret_cast<LPARAM>(modifier));
  Send(display, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_MODIFIER, CBN_SETFOCUS),
       reinterpret_cast<LPARAM>(modifier));
  EXPECT_FALSE(IsWindowEnabled(apply));
  Click(display, IDC_MENU_LOGO);
  EXPECT_TRUE(IsWindowEnabled(apply));
  sheet.Press(PSBTN_CANCEL);
  ASSERT_TRUE(sheet.Closed());
}

// A menu hotkey another program holds would register nothing: Apply says so
// in the shortcut dialogs' words and the sheet stays.
TEST_F(OptionsSheetTest, AMenuHotKeyAnotherProgramHoldsIsRefused) {
  farm::WindowFarm farm;
  ASSERT_TRUE(farm.Running());
  ASSERT_TRUE(farm.HoldHotKey(MOD_CONTROL, 'Z'));
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  OptionsSheet sheet(app);
  ASSERT_TRUE(sheet.Open());
  const HWND page = sheet.Page(1);
  const HWND modifiers = Control(page, IDC_HOT_KEY_MODIFIER);
  Send(modifiers, CB_SETCURSEL, 1);
  Send(page, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_MODIFIER, CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(modifiers));
  Send(Control(page, IDC_HOT_KEY_BOX), HKM_SETHOTKEY, 'Z');
  sheet.Press(PSBTN_APPLYNOW);
  const HWND box = app.WaitForMessageBox();
  ASSERT_NE(nullptr, box);
  EXPECT_NE(std::string::npos,
            Stowpouch::MessageBoxText(box).find("This hot key is already defined in other application"));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindow(sheet.Sheet()));
  sheet.Press(PSBTN_CANCEL);
  ASSERT_TRUE(sheet.Closed());
  EXPECT_EQ(nullptr, app.ShownMessageBox()) << "start-up and the sheet's end say nothing";
}

// The farm holds Windows key + Q (and E), as the shell does from Windows 8
// on, and the program takes it; the Display page then changes it with
// `change`, and once the sheet has closed the farm has Windows key + Q again.
void ChangeAHeldMenuHotKey(Stowpouch& app, farm::WindowFarm& holder,
                           const std::function<void(HWND page)>& change) {
  ASSERT_TRUE(holder.Running());
  ASSERT_TRUE(holder.HoldHotKey(MOD_WIN, 'Q'));
  ASSERT_TRUE(holder.HoldHotKey(MOD_WIN, 'E'));
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(PressUntil({VK_LWIN, 'Q'}, [&] { return app.PopupMenu() != nullptr; }));
  ASSERT_TRUE(app.CloseMenus());
  ASSERT_EQ(0, holder.HotKeysReceived());
  OptionsSheet sheet(app);
  ASSERT_TRUE(sheet.Open());
  change(sheet.Page(1));
  sheet.Press(PSBTN_OK);
  ASSERT_TRUE(sheet.Closed());
  EXPECT_TRUE(PressUntil({VK_LWIN, 'Q'}, [&] { return holder.HotKeysReceived() > 0; }));
  EXPECT_EQ(nullptr, app.PopupMenu());
}

TEST_F(OptionsSheetTest, AHeldMenuHotKeySwitchedOffGoesBackToItsHolder) {
  farm::WindowFarm holder;
  Stowpouch app;
  ASSERT_NO_FATAL_FAILURE(ChangeAHeldMenuHotKey(app, holder, [](HWND page) { Click(page, IDC_HOT_KEY); }));
}

// Windows key + E, held too, is taken in its place instead of refused.
TEST_F(OptionsSheetTest, AHeldMenuHotKeyMovedGoesBackToItsHolder) {
  farm::WindowFarm holder;
  Stowpouch app;
  ASSERT_NO_FATAL_FAILURE(ChangeAHeldMenuHotKey(app, holder, [](HWND page) {
    Send(Control(page, IDC_HOT_KEY_BOX), HKM_SETHOTKEY, 'E');
    Send(page, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_BOX, EN_CHANGE),
         reinterpret_cast<LPARAM>(Control(page, IDC_HOT_KEY_BOX)));
  }));
  // The take may go in only after the first press: only the second counts.
  ASSERT_TRUE(PressUntil({VK_LWIN, 'E'}, [&] { return app.PopupMenu() != nullptr; }));
  ASSERT_TRUE(app.CloseMenus());
  const int heard = holder.HotKeysReceived();
  ASSERT_TRUE(PressChord({VK_LWIN, 'E'}));
  EXPECT_NE(nullptr, app.WaitForPopupMenu());
  ASSERT_TRUE(app.CloseMenus());
  EXPECT_EQ(heard, holder.HotKeysReceived());
}

TEST_F(OptionsSheetTest, CtrlQTypedIntoTheBoxWithCtrlChosenBecomesTheMenuHotKey) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  OptionsSheet sheet(app);
  ASSERT_TRUE(sheet.Open());
  const HWND page = sheet.Page(1);
  const HWND box = Control(page, IDC_HOT_KEY_BOX);
  ASSERT_TRUE(BringToFront(sheet.Sheet()));
  PostMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
  ASSERT_TRUE(WaitUntil([&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(app.process().MainThreadId(), &info) && info.hwndFocus == box;
  }));
  Send(box, HKM_SETHOTKEY, 0);
  ASSERT_TRUE(PressChord({VK_CONTROL, 'Q'}));
  // The key alone: the box allows no modifier.
  EXPECT_TRUE(WaitUntil([&] { return Send(box, HKM_GETHOTKEY) == 'Q'; }))
      << Send(box, HKM_GETHOTKEY).value_or(-1);

  const HWND modifiers = Control(page, IDC_HOT_KEY_MODIFIER);
  Send(modifiers, CB_SETCURSEL, 1);
  Send(page, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_MODIFIER, CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(modifiers));
  sheet.Press(PSBTN_OK);
  ASSERT_TRUE(sheet.Closed());
  // The taskbar refresh after the sheet lets the queue run, so the settle
  // mark may pass before the key is registered: press until it is.
  EXPECT_TRUE(PressUntil({VK_CONTROL, 'Q'}, [&] { return app.PopupMenu() != nullptr; }));
  EXPECT_TRUE(app.CloseMenus());
}

// A farm application added through Select Contained Application becomes a
// pouch window: the filter takes its taskbar item, Windows key + M
// minimises it.
class UserApplicationTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ASSERT_TRUE(registration_.Registered() && shell_.Running() && farm_.Running());
    window_ = farm_.Create(farm::Spec("FarmNotes", "Notes - farm"));
    ASSERT_NE(window_, nullptr);
    ResetSettings({{"QueryQuit", 1}});
    ASSERT_EQ(shell_.ServeLoadRequest(CLSID_Graftling), CLASS_E_CLASSNOTAVAILABLE);
  }

  // Add, Runed, the farm window's row selected as a click selects it, OK.
  void AddFarmWindow(HWND page, DWORD processId) {
    PostMessageA(Control(page, IDC_ADD_APPLICATION), BM_CLICK, 0, 0);
    HWND picker = nullptr;
    // Clicks reach it only once it shows.
    ASSERT_TRUE(WaitUntil([&] {
      picker = TopLevelWindow(processId, nullptr, "Select Contained Application");
      return picker && Visible(picker);
    }));
    const HWND list = Control(picker, IDC_APPLICATION_WINDOWS);
    EXPECT_FALSE(IsWindowEnabled(list));
    EXPECT_FALSE(IsWindowEnabled(Control(picker, IDOK)));
    Click(picker, IDC_RUNED);
    const std::vector<std::string> rows = ListBoxRows(list);
    const auto row = std::find(rows.begin(), rows.end(), "Notes - farm") - rows.begin();
    ASSERT_LT(static_cast<std::size_t>(row), rows.size());
    Send(list, LB_SETCURSEL, static_cast<WPARAM>(row));
    Send(picker, WM_COMMAND, MAKEWPARAM(IDC_APPLICATION_WINDOWS, LBN_SELCHANGE),
         reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(IsWindowEnabled(Control(picker, IDOK)));
    EXPECT_TRUE(SavePictureOf(picker, "select-application"));
    PostMessageA(Control(picker, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker); }));
  }

  standin::ServerRegistration registration_;
  standin::StandInShell shell_{standin::protocol::kLateOption};
  farm::WindowFarm farm_;
  HWND window_ = nullptr;
};

TEST_F(UserApplicationTest, AddedApplicationLeavesTheTaskbarAndJoinsThePouch) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(shell_.Sync());
  ASSERT_TRUE(shell_.HasItem(window_));
  OptionsSheet sheet(app);
  ASSERT_TRUE(sheet.Open());
  const HWND page = sheet.Page(0);
  const HWND list = Control(page, IDC_USER_APPLICATIONS);
  AddFarmWindow(page, app.process().Id());
  AddFarmWindow(page, app.process().Id());
  EXPECT_EQ(ListBoxRows(list), (std::vector<std::string>{"Notes - farm", "Notes - farm"}));
  EXPECT_TRUE(SavePictureOf(sheet.Sheet(), "options-applications"));
  Send(list, LB_SETCURSEL, 0);
  Click(page, IDC_DELETE_APPLICATION);
  EXPECT_EQ(ListBoxRows(list), std::vector<std::string>{"Notes - farm"});

  // Applied lists stay in the registry after Cancel.
  sheet.Press(PSBTN_APPLYNOW);
  ASSERT_TRUE(WaitUntil([] { return ReadListValue("UserClassName") == "FarmNotes\x01"; }));
  EXPECT_EQ(ReadListValue("UserAppCaption"), "Notes - farm\x01");
  sheet.Press(PSBTN_CANCEL);
  ASSERT_TRUE(sheet.Closed());
  EXPECT_EQ(ReadListValue("UserClassName"), "FarmNotes\x01");

  EXPECT_TRUE(WaitUntil([&] { return shell_.Sync() && !shell_.HasItem(window_); }));
  EXPECT_TRUE(PressUntil({VK_LWIN, 'M'}, [&] { return IsIconic(window_) != FALSE; }));
}

TEST_F(OptionsSheetTest, FortyLongApplicationsSurviveARestartWhole) {
  std::string captions, classes;
  for (int i = 0; i < 40; ++i) {
    captions += std::string(60, static_cast<char>('A' + i % 26)) + '\x01';
    classes += "FarmClass" + std::to_string(i) + '\x01';
  }
  ResetSettings({{"QueryQuit", 1}});
  WriteListValue("UserAppCaption", captions);
  WriteListValue("UserClassName", classes);
  for (int run = 0; run < 2; ++run) {
    Stowpouch app;
    ASSERT_TRUE(app.Ready());
    OptionsSheet sheet(app);
    ASSERT_TRUE(sheet.Open());
    EXPECT_EQ(ListBoxRows(Control(sheet.Page(0), IDC_USER_APPLICATIONS)).size(), 40u);
    sheet.Press(PSBTN_OK);
    ASSERT_TRUE(sheet.Closed());
    PostMessageA(app.Window(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(app.process().WaitForExit());
  }
  EXPECT_EQ(ReadListValue("UserAppCaption"), captions);
  EXPECT_EQ(ReadListValue("UserClassName"), classes);
}

}  // namespace
}  // namespace e2e
