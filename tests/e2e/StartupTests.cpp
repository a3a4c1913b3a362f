// Start-up of Stowpouch.exe: one copy at a time, the "/hide" option, and the
// foreground lock time-out it borrows while it runs.

#include "Harness.h"
#include "common/SharedNames.h"
#include "resources/resource.h"

namespace e2e {
namespace {

// ---- one copy at a time -----------------------------------------------------------

class SecondStartTest : public StowpouchTest, public testing::WithParamInterface<const char*> {};

TEST_P(SecondStartTest, ShowsTheHiddenFirstCopyAndEnds) {
  // HideStartup would let a "/hide" of the second start hide the window again
  // if the second start passed it on.
  ResetSettings({{"QueryHide", 1}, {"HideStartup", 1}});
  Stowpouch first;
  ASSERT_TRUE(first.Ready());
  PostMessageA(first.Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  ASSERT_TRUE(WaitUntil([&] { return !Visible(first.Window()); }));

  Stowpouch second(GetParam());
  ASSERT_TRUE(second.process().WaitForExit()) << "the second copy keeps running";
  EXPECT_EQ(0u, second.process().ExitCode());
  EXPECT_TRUE(WaitUntil([&] { return Visible(first.Window()); }));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == first.Window(); }))
      << "foreground: " << GetForegroundWindow();
  EXPECT_EQ(std::vector<HWND>{first.Window()}, WindowsOfClass(STOWPOUCH_WINDOW_CLASS));
  ASSERT_TRUE(first.Settle());
  EXPECT_TRUE(Visible(first.Window()));
  EXPECT_TRUE(first.process().Running());
}

INSTANTIATE_TEST_SUITE_P(Arguments, SecondStartTest, testing::Values("", "/hide"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return *info.param ? "HideOption" : "NoArguments";
                         });

// Started together (the log-on shortcut and the user), both would pass a
// look for the other's window; exactly one must go on.
TEST_F(StowpouchTest, TwoStartsAtTheSameMomentRunOnce) {
  Process copies[] = {{BinFolder() + "Stowpouch.exe", "", WorkFolder(), CREATE_SUSPENDED},
                      {BinFolder() + "Stowpouch.exe", "", WorkFolder(), CREATE_SUSPENDED}};
  ASSERT_TRUE(copies[0].Started() && copies[1].Started());
  EXPECT_TRUE(copies[0].Resume() && copies[1].Resume());
  EXPECT_TRUE(WaitUntil([&] { return !copies[0].Running() || !copies[1].Running(); }))
      << "both copies keep running";
  EXPECT_TRUE(WaitUntil([&] { return !WindowsOfClass(STOWPOUCH_WINDOW_CLASS).empty(); }));
  EXPECT_EQ(1u, WindowsOfClass(STOWPOUCH_WINDOW_CLASS).size());
  for (Process& copy : copies) {
    if (!copy.Running()) {
      EXPECT_EQ(0u, copy.ExitCode());
      continue;
    }
    PostThreadMessageA(copy.MainThreadId(), WM_QUIT, 0, 0);
    if (!copy.WaitForExit()) TerminateProcess(copy.Get(), 1);
    copy.WaitForExit();
  }
}

// A copy that quit has no window any more while its process still ends (it
// saves and shows windows again): a start in that moment waits for it and
// runs. The ending copy is played here: the claim held, the ready event
// set, no window.
TEST_F(StowpouchTest, AStartWhileTheLastCopyIsEndingRuns) {
  const UniqueKernelHandle ready(
      CreateEventA(nullptr, TRUE, TRUE, "Local\\" STOWPOUCH_PROGRAM_NAME "MainWindowReady"));
  const UniqueKernelHandle claim(
      CreateMutexA(nullptr, TRUE, "Local\\" STOWPOUCH_PROGRAM_NAME "SingleInstance"));
  ASSERT_TRUE(ready && claim);
  Stowpouch app;
  // It ends now; the claim stays there until the test's end, released
  // before or after the new copy looks at it.
  ReleaseMutex(claim.Get());
  EXPECT_TRUE(app.Ready());
}

// ---- "/hide" --------------------------------------------------------------------

struct CommandLineCase {
  const char* name;
  const char* arguments;
  DWORD hideStartup;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << '"' << c.arguments << '"'; }

std::string CaseName(const testing::TestParamInfo<CommandLineCase>& info) {
  return info.param.name;
}

class HideOptionTest : public StowpouchTest, public testing::WithParamInterface<CommandLineCase> {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    ResetSettings({{"QueryHide", 1}, {"HideStartup", GetParam().hideStartup}});
  }
};

using HidingOptionTest = HideOptionTest;
using KeptOptionTest = HideOptionTest;

// The start takes the Hide path: the window stays hidden and the settings
// are saved. (A regression test: the system's modal loop used to show the
// dialog again once its queue first ran empty.)
TEST_P(HidingOptionTest, HidesTheWindowAndSavesTheSettings) {
  Stowpouch app(GetParam().arguments);
  ASSERT_TRUE(app.Ready());
  EXPECT_FALSE(Visible(app.Window()));
  EXPECT_TRUE(ReadSetting("QueryQuit").has_value());
  EXPECT_EQ(nullptr, app.InformationDialog());
  EXPECT_TRUE(app.process().Running());
}

INSTANTIATE_TEST_SUITE_P(CommandLines, HidingOptionTest,
                         testing::Values(CommandLineCase{"UpperCase", "/HIDE", 1},
                                         CommandLineCase{"LowerCase", "/hide", 1}),
                         CaseName);

TEST_P(KeptOptionTest, StaysVisible) {
  Stowpouch app(GetParam().arguments);
  ASSERT_TRUE(app.Ready());
  EXPECT_TRUE(Visible(app.Window()));
  EXPECT_EQ(nullptr, app.InformationDialog());
  EXPECT_FALSE(ReadSetting("QueryQuit").has_value());
}

INSTANTIATE_TEST_SUITE_P(CommandLines, KeptOptionTest,
                         testing::Values(CommandLineCase{"HideStartupOff", "/hide", 0},
                                         CommandLineCase{"Dash", "-hide", 1},
                                         CommandLineCase{"TrailingWord", "/hide now", 1},
                                         CommandLineCase{"NoArguments", "", 1}),
                         CaseName);

TEST_F(StowpouchTest, HideOptionAsksFirstAndCancelKeepsTheWindow) {
  ResetSettings({{"HideStartup", 1}});
  Stowpouch app("/hide");
  ASSERT_TRUE(app.Ready());
  const HWND dialog = app.WaitForInformationDialog();
  ASSERT_NE(nullptr, dialog) << "no confirmation";
  EXPECT_EQ(0u, WindowText(GetDlgItem(dialog, IDC_INFORMATION_TEXT)).rfind(kQueryHideText, 0));
  PostMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(Visible(app.Window()));
  EXPECT_FALSE(ReadSetting("QueryHide").has_value());
}

// ---- foreground lock time-out ---------------------------------------------------------

// The value a new process sees; nullopt when the probe did not run.
std::optional<DWORD> LockTimeout() { return RunToEnd(BinFolder() + "LockTimeoutProbe.exe"); }

bool SetLockTimeout(DWORD ms) {
  return SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                               reinterpret_cast<void*>(static_cast<UINT_PTR>(ms)),
                               SPIF_SENDCHANGE) != FALSE;
}

class ForegroundLockTest : public StowpouchTest {
 protected:
  void SetUp() override {
    StowpouchTest::SetUp();
    original_ = LockTimeout();
    ASSERT_TRUE(original_.has_value());
  }
  void TearDown() override {
    if (original_) SetLockTimeout(*original_);
    StowpouchTest::TearDown();
  }

 private:
  std::optional<DWORD> original_;
};

TEST_F(ForegroundLockTest, ZeroWhileRunningAndRestoredAtTheEnd) {
  constexpr DWORD kDistinctive = 123457;
  ASSERT_TRUE(SetLockTimeout(kDistinctive));
  ASSERT_EQ(kDistinctive, LockTimeout());
  ResetSettings({{"QueryQuit", 1}});
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  EXPECT_EQ(0u, LockTimeout());
  PostMessageA(GetDlgItem(app.Window(), IDC_EXIT), BM_CLICK, 0, 0);
  ASSERT_TRUE(app.process().WaitForExit());
  EXPECT_EQ(0u, app.process().ExitCode());
  EXPECT_EQ(kDistinctive, LockTimeout());
}

}  // namespace
}  // namespace e2e
