// The confirmations before the main window hides and before the program
// quits, reached as a user reaches them, and what their answers leave in the
// settings key.

#include "Harness.h"
#include "resources/resource.h"

namespace e2e {
namespace {

void Press(HWND window, WORD key) {
  ASSERT_TRUE(BringToFront(window)) << "foreground: " << GetForegroundWindow();
  ASSERT_TRUE(PressKey(key));
}

// Waits for the confirmation and checks that it says `text` and comes with
// its box unticked.
HWND ExpectConfirmation(const Stowpouch& app, const char* text) {
  const HWND dialog = app.WaitForInformationDialog();
  if (!dialog) {
    ADD_FAILURE() << "no confirmation";
    return nullptr;
  }
  EXPECT_EQ(0u, WindowText(GetDlgItem(dialog, IDC_INFORMATION_TEXT)).rfind(text, 0))
      << WindowText(GetDlgItem(dialog, IDC_INFORMATION_TEXT));
  EXPECT_EQ(BST_UNCHECKED, Send(GetDlgItem(dialog, IDC_DONT_SHOW_AGAIN), BM_GETCHECK));
  return dialog;
}

void Answer(HWND dialog, bool tick, int button) {
  const HWND box = GetDlgItem(dialog, IDC_DONT_SHOW_AGAIN);
  if (tick) {
    ASSERT_TRUE(Send(box, BM_CLICK).has_value());
    ASSERT_EQ(BST_CHECKED, Send(box, BM_GETCHECK));
  }
  ASSERT_TRUE(PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0));
  ASSERT_TRUE(WaitUntil([dialog] { return !IsWindow(dialog); })) << "the confirmation stays open";
}

// Shows the hidden window again the way a user would: by starting the
// program once more.
void StartAgain(const Stowpouch& app) {
  ASSERT_EQ(0u, RunToEnd(BinFolder() + "Stowpouch.exe"));
  ASSERT_TRUE(WaitUntil([&] { return Visible(app.Window()); }));
}

// ---- hiding ---------------------------------------------------------------------------

using HideConfirmationTest = StowpouchTest;

TEST_F(HideConfirmationTest, TickAndOkHidesAndStopsAsking) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  Press(app.Window(), VK_RETURN);
  const HWND dialog = ExpectConfirmation(app, kQueryHideText);
  ASSERT_NE(nullptr, dialog);
  Answer(dialog, true, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(app.Window()); }));
  EXPECT_EQ(1u, ReadSetting("QueryHide"));

  StartAgain(app);
  Press(app.Window(), VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(app.Window()); }));
  EXPECT_EQ(nullptr, app.InformationDialog());
  EXPECT_TRUE(app.process().Running());
}

TEST_F(HideConfirmationTest, OkWithoutTickHidesAndAsksAgain) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  PostMessageA(GetDlgItem(app.Window(), IDOK), BM_CLICK, 0, 0);
  HWND dialog = ExpectConfirmation(app, kQueryHideText);
  ASSERT_NE(nullptr, dialog);
  Answer(dialog, false, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(app.Window()); }));
  EXPECT_EQ(0u, ReadSetting("QueryHide"));

  StartAgain(app);
  Press(app.Window(), VK_RETURN);
  dialog = ExpectConfirmation(app, kQueryHideText);
  ASSERT_NE(nullptr, dialog);
  Answer(dialog, false, IDCANCEL);
}

TEST_F(HideConfirmationTest, CancelChangesNothing) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  Press(app.Window(), VK_RETURN);
  HWND dialog = ExpectConfirmation(app, kQueryHideText);
  ASSERT_NE(nullptr, dialog);
  Answer(dialog, true, IDCANCEL);
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(Visible(app.Window()));
  EXPECT_FALSE(ReadSetting("QueryHide").has_value());

  // The box ticked before Cancel must not count.
  Press(app.Window(), VK_RETURN);
  dialog = ExpectConfirmation(app, kQueryHideText);
  ASSERT_NE(nullptr, dialog);
  Answer(dialog, false, IDCANCEL);
}

// ---- quitting ---------------------------------------------------------------------------

enum class QuitWay { kEscape, kExitButton, kCloseBox };

void Ask(const Stowpouch& app, QuitWay way) {
  switch (way) {
    case QuitWay::kEscape:
      Press(app.Window(), VK_ESCAPE);
      break;
    case QuitWay::kExitButton:
      ASSERT_TRUE(PostMessageA(GetDlgItem(app.Window(), IDC_EXIT), BM_CLICK, 0, 0));
      break;
    case QuitWay::kCloseBox:
      ASSERT_TRUE(PostMessageA(app.Window(), WM_SYSCOMMAND, SC_CLOSE, 0));
      break;
  }
}

struct QuitCase {
  const char* name;
  QuitWay way;
  bool tick;
};

const QuitCase kQuitCases[] = {
    {"EscapeTicked", QuitWay::kEscape, true},
    {"EscapeUnticked", QuitWay::kEscape, false},
    {"ExitButtonTicked", QuitWay::kExitButton, true},
    {"CloseBoxUnticked", QuitWay::kCloseBox, false},
};

void PrintTo(const QuitCase& c, std::ostream* out) { *out << c.name; }

class QuitConfirmationTest : public StowpouchTest, public testing::WithParamInterface<QuitCase> {};

TEST_P(QuitConfirmationTest, CancelKeepsRunningAndOkEnds) {
  const QuitCase& c = GetParam();
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  Ask(app, c.way);
  HWND dialog = ExpectConfirmation(app, kQueryQuitText);
  ASSERT_NE(nullptr, dialog);
  Answer(dialog, !c.tick, IDCANCEL);
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.process().Running());
  EXPECT_TRUE(Visible(app.Window()));
  EXPECT_FALSE(ReadSetting("QueryQuit").has_value());

  Ask(app, c.way);
  dialog = ExpectConfirmation(app, kQueryQuitText);
  ASSERT_NE(nullptr, dialog);
  Answer(dialog, c.tick, IDOK);
  ASSERT_TRUE(app.process().WaitForExit()) << "still running after OK";
  EXPECT_EQ(0u, app.process().ExitCode());
  EXPECT_EQ(c.tick ? 1u : 0u, ReadSetting("QueryQuit"));
  EXPECT_EQ(0u, ReadSetting("QueryHide")) << "the other settings are saved with it";
}

INSTANTIATE_TEST_SUITE_P(Ways, QuitConfirmationTest, testing::ValuesIn(kQuitCases),
                         [](const testing::TestParamInfo<QuitCase>& info) {
                           return info.param.name;
                         });

// Requests that reach the main window while it asks (the taskbar's close,
// another program's WM_CLOSE) neither stack a second confirmation nor run
// the path later.
TEST_F(StowpouchTest, RequestsWhileAskingAreIgnored) {
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  for (const WPARAM path : {IDOK, IDCANCEL}) {
    ASSERT_TRUE(PostMessageA(app.Window(), WM_COMMAND, path, 0));
    const HWND dialog = ExpectConfirmation(app, path == IDOK ? kQueryHideText : kQueryQuitText);
    ASSERT_NE(nullptr, dialog);
    for (const WPARAM again : {IDOK, IDCANCEL}) PostMessageA(app.Window(), WM_COMMAND, again, 0);
    PostMessageA(app.Window(), WM_CLOSE, 0, 0);
    // Twice: the dialog manager answers WM_CLOSE with a posted IDCANCEL.
    ASSERT_TRUE(app.Settle() && app.Settle());
    EXPECT_EQ(1u, TopLevelWindows(app.process().Id(), nullptr, "Information Dialog").size());
    Answer(dialog, false, IDCANCEL);
    ASSERT_TRUE(app.Settle());
    EXPECT_EQ(nullptr, app.InformationDialog());
    EXPECT_TRUE(Visible(app.Window()));
    EXPECT_TRUE(app.process().Running());
  }
}

TEST_F(StowpouchTest, EscapeQuitsAtOnceWhenNotToAsk) {
  ResetSettings({{"QueryQuit", 1}, {"QueryHide", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  Press(app.Window(), VK_ESCAPE);
  ASSERT_TRUE(app.process().WaitForExit());
  EXPECT_EQ(0u, app.process().ExitCode());
  EXPECT_EQ(1u, ReadSetting("QueryQuit"));
}

}  // namespace
}  // namespace e2e
