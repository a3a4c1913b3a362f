// The Show-Hide Window dialog driven through its controls, and what becomes
// of the windows Stowpouch hid when it quits or is killed.
#include "Harness.h"
#include "hotkeys/HotKeyFile.h"
#include "resources/resource.h"
#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/shell/StandInShellClient.h"
#include "windows/HiddenWindows.h"

namespace e2e {
namespace {

using Titles = std::vector<std::string>;

bool Has(const Titles& titles, const std::string& title) {
  return std::find(titles.begin(), titles.end(), title) != titles.end();
}

class ShowHideDialog {
 public:
  explicit ShowHideDialog(Stowpouch& app) : app_(app) {}

  // Returns once the dialog's lists are filled and its loop runs.
  bool Open() {
    PostMessageA(app_.Window(), WM_COMMAND, MAKEWPARAM(IDC_SHOW_HIDE_WINDOW, BN_CLICKED), 0);
    dialog_ = app_.WaitForDialog("Show-Hide Window Dialog");
    return dialog_ && app_.Settle();
  }
  HWND Window() const { return dialog_; }

  Titles Rows(int listId) const { return ListBoxRows(GetDlgItem(dialog_, listId)); }

  // Selects the row of `title` in one list and presses a move button.
  bool Move(int listId, const std::string& title, int buttonId) const {
    const Titles rows = Rows(listId);
    const auto row = std::find(rows.begin(), rows.end(), title);
    return row != rows.end() &&
           Send(GetDlgItem(dialog_, listId), LB_SETCURSEL, row - rows.begin()) &&
           Send(GetDlgItem(dialog_, buttonId), BM_CLICK);
  }

  // OK or Cancel; returns once the command has finished.
  bool Close(int buttonId) const {
    PostMessageA(GetDlgItem(dialog_, buttonId), BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(dialog_); }) && app_.Settle();
  }

 private:
  Stowpouch& app_;
  HWND dialog_ = nullptr;
};

constexpr int kShown = IDC_SHOWN_WINDOWS;
constexpr int kHidden = IDC_HIDDEN_WINDOWS;

std::string StoredList() {
  char bytes[256];
  DWORD size = sizeof bytes;
  return RegGetValueA(HKEY_CURRENT_USER, kSessionKeyPath, kHiddenWindowsValue, RRF_RT_REG_BINARY,
                      nullptr, bytes, &size) == ERROR_SUCCESS ? std::string(bytes, size) : "";
}

class ShowHideWindowTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ResetSettings({{"Folder", 1}, {"QueryQuit", 1}});
    ASSERT_TRUE(farm_.Running());
  }

  HWND Make(const char* title) { return farm_.Create(farm::Spec("FarmApp", title)); }

  // Hides the windows through the dialog, in this order.
  static void HideByHand(Stowpouch& app, std::initializer_list<const char*> titles) {
    ShowHideDialog dialog(app);
    ASSERT_TRUE(dialog.Open());
    for (const char* title : titles) ASSERT_TRUE(dialog.Move(kShown, title, IDC_MOVE_TO_HIDDEN));
    ASSERT_TRUE(dialog.Close(IDOK));
  }

  // Ctrl + Alt + K: function command 17, Hide Others.
  // Types the chord until the program has its WM_HOTKEY: a chord lost on
  // its way in on a loaded machine is typed again, one that arrived is never
  // typed twice (Hide Others is a toggle).
  static bool PressHotKey(Stowpouch& app, std::initializer_list<WORD> chord) {
    const auto hotKeys = [&] {
      std::size_t count = 0;
      for (const spy::Record& record : app.Spy().Seen())
        if (record.message == WM_HOTKEY && !record.returned) ++count;
      return count;
    };
    const std::size_t before = hotKeys();
    return WaitUntil([&] {
      return PressChord(chord) && WaitUntil([&] { return hotKeys() > before; }, 5000);
    });
  }
  static void GiveHideOthersAKey() {
    CHotKeyItem hideOthers;
    hideOthers.m_nType = HOTKEY_FUNCTION;
    hideOthers.m_nFunction = 17;
    hideOthers.m_nModifiers = MOD_CONTROL | MOD_ALT;
    hideOthers.m_nVirtualKey = 'K';
    ASSERT_TRUE(WriteFileBytes(WorkFolder() + "HotKey.lst", EncodeHotKeyList({hideOthers})));
  }

  farm::WindowFarm farm_;
};

TEST_F(ShowHideWindowTest, HiddenByHandUntilMovedBackAndCancelChangesNothing) {
  standin::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  const HWND first = Make("First"), second = Make("Second");
  ASSERT_TRUE(first && second && farm_.Create(farm::Spec("CabinetWClass", "Folder")));
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ShowHideDialog dialog(app);

  ASSERT_TRUE(dialog.Open());
  EXPECT_TRUE(Has(dialog.Rows(kShown), "Second"));
  EXPECT_FALSE(Has(dialog.Rows(kShown), "Folder"));
  ASSERT_TRUE(dialog.Move(kShown, "First", IDC_MOVE_TO_HIDDEN));
  EXPECT_FALSE(Has(dialog.Rows(kShown), "First"));
  EXPECT_EQ(dialog.Rows(kHidden), Titles{"First"});
  ASSERT_TRUE(dialog.Close(IDOK));
  EXPECT_FALSE(Visible(first));
  ASSERT_TRUE(shell.Sync());
  EXPECT_FALSE(shell.HasItem(first));
  EXPECT_TRUE(shell.HasItem(second));

  ASSERT_TRUE(dialog.Open());
  EXPECT_EQ(dialog.Rows(kHidden), Titles{"First"});
  EXPECT_TRUE(SavePictureOf(dialog.Window(), "show-hide-window"));
  ASSERT_TRUE(dialog.Move(kShown, "Second", IDC_MOVE_TO_HIDDEN));
  ASSERT_TRUE(dialog.Move(kHidden, "First", IDC_MOVE_TO_SHOWN));
  ASSERT_TRUE(dialog.Close(IDCANCEL));
  EXPECT_TRUE(Visible(second));
  EXPECT_FALSE(Visible(first));

  ASSERT_TRUE(dialog.Open());
  ASSERT_TRUE(dialog.Move(kHidden, "First", IDC_MOVE_TO_SHOWN));
  EXPECT_EQ(dialog.Rows(kShown).back(), "First");
  ASSERT_TRUE(dialog.Close(IDOK));
  EXPECT_TRUE(Visible(first));
  EXPECT_FALSE(IsIconic(first));
  ASSERT_TRUE(shell.Sync());
  EXPECT_TRUE(shell.HasItem(first));
}

TEST_F(ShowHideWindowTest, TwoClosedWindowsInARowLeaveTheHideList) {
  const HWND gone1 = Make("Gone 1"), gone2 = Make("Gone 2"), kept = Make("Kept");
  ASSERT_TRUE(gone1 && gone2 && kept);
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  HideByHand(app, {"Gone 1", "Gone 2", "Kept"});
  ASSERT_TRUE(farm_.Destroy(gone1) && farm_.Destroy(gone2));

  ShowHideDialog dialog(app);
  ASSERT_TRUE(dialog.Open());
  EXPECT_EQ(dialog.Rows(kHidden), Titles{"Kept"});
  ASSERT_TRUE(dialog.Move(kHidden, "Kept", IDC_MOVE_TO_SHOWN));
  ASSERT_TRUE(dialog.Close(IDOK));
  EXPECT_TRUE(Visible(kept));
}

TEST_F(ShowHideWindowTest, QuittingShowsWhatTheDialogAndHideOthersHid) {
  GiveHideOthersAKey();
  const HWND byHand = Make("By hand"), other = Make("Other");
  ASSERT_TRUE(byHand && other);
  {
    Stowpouch app;
    ASSERT_TRUE(app.Ready());
    HideByHand(app, {"By hand"});
    ASSERT_TRUE(PressHotKey(app, {VK_CONTROL, VK_MENU, 'K'}));
    ASSERT_TRUE(WaitUntil([&] { return !Visible(other); }));
    EXPECT_FALSE(Visible(byHand));
    PostMessageA(app.Window(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(app.process().WaitForExit());
  }
  EXPECT_TRUE(Visible(byHand));
  EXPECT_TRUE(Visible(other));
  EXPECT_EQ(StoredList(), "");
}

// What Hide Others showed again has left the record; what it hid is given
// back after a kill like what was hidden by hand.
TEST_F(ShowHideWindowTest, AStartAfterAKillListsWhatHideOthersHid) {
  GiveHideOthersAKey();
  const HWND byHand = Make("By hand"), other = Make("Other");
  ASSERT_TRUE(byHand && other);
  {
    Stowpouch app;
    ASSERT_TRUE(app.Ready());
    HideByHand(app, {"By hand"});
    const std::string byHandOnly = StoredList();
    for (bool hides : {true, false, true}) {
      ASSERT_TRUE(PressHotKey(app, {VK_CONTROL, VK_MENU, 'K'}));
      ASSERT_TRUE(WaitUntil([&] { return Visible(other) != hides; }) && app.Settle());
      if (!hides) {
        EXPECT_EQ(StoredList(), byHandOnly);
      }
    }
    ASSERT_TRUE(TerminateProcess(app.process().Get(), 1) && app.process().WaitForExit());
  }
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ShowHideDialog dialog(app);
  ASSERT_TRUE(dialog.Open());
  EXPECT_EQ(dialog.Rows(kHidden), (Titles{"By hand", "Other"}));
  ASSERT_TRUE(dialog.Close(IDCANCEL));
  PostMessageA(app.Window(), WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(app.process().WaitForExit());
  EXPECT_TRUE(Visible(other));
}

TEST_F(ShowHideWindowTest, AStartAfterAKillListsTheHiddenWindowsUnlessTheRecordIsBroken) {
  const HWND survivor = Make("Survivor");
  ASSERT_TRUE(survivor);
  {
    Stowpouch app;
    ASSERT_TRUE(app.Ready());
    HideByHand(app, {"Survivor"});
    ASSERT_TRUE(TerminateProcess(app.process().Get(), 1) && app.process().WaitForExit());
  }
  const std::string stored = StoredList();
  ASSERT_NE(stored, "");
  {
    Stowpouch app;
    ASSERT_TRUE(app.Ready());
    EXPECT_FALSE(Visible(survivor));
    ShowHideDialog dialog(app);
    ASSERT_TRUE(dialog.Open());
    EXPECT_EQ(dialog.Rows(kHidden), Titles{"Survivor"});
    ASSERT_TRUE(dialog.Close(IDCANCEL));
  }
  // One byte too many: the record is not trusted at all.
  ShowWindow(survivor, SW_HIDE);
  const std::string broken = stored + '\0';
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kSessionKeyPath, kHiddenWindowsValue, REG_BINARY,
                            broken.data(), static_cast<DWORD>(broken.size())),
            ERROR_SUCCESS);
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  ShowHideDialog dialog(app);
  ASSERT_TRUE(dialog.Open());
  EXPECT_TRUE(dialog.Rows(kHidden).empty());
  ASSERT_TRUE(dialog.Close(IDCANCEL));
}

}  // namespace
}  // namespace e2e
