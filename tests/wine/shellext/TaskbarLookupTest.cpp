// Stowpouch's side: the lookup of the taskbar's tab control that Graftling
// shares, and the reload request that ApplySettings sends through it.
#include "ShellTest.h"
#include "app/AppState.h"
#include "app/ApplySettings.h"
#include "app/TaskbarFilterReload.h"
#include "settings/SettingsStore.h"
#include "shellext/GraftlingIds.h"
#include "shellext/TaskbarTabControl.h"

namespace shellext_test {
namespace {

TEST(TaskbarLookup, FindsTheTabControlWithOrWithoutARebar) {
  for (const char* options : {"", standin::protocol::kNoRebarOption}) {
    SCOPED_TRACE(options);
    const standin::StandInShell shell(options);
    ASSERT_TRUE(shell.Running());
    ASSERT_NE(shell.TabControl(), nullptr);
    EXPECT_EQ(FindTaskbarTabControl(), shell.TabControl());
  }
}

// Wine's own taskbar window has no tab control; nothing is sent to it.
TEST(TaskbarLookup, WithoutATabControlNothingIsFoundOrSent) {
  RegisterAppMessages();
  EXPECT_EQ(FindTaskbarTabControl(), nullptr);
  EXPECT_FALSE(ReloadTaskbarFilter());
}

class ReloadRequestTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    RegisterAppMessages();
  }
};

TEST_F(ReloadRequestTest, ReloadsTheFilterInTheShell) {
  SetSettings({{"Explorer", 1}});
  ASSERT_TRUE(Load());
  settings_.SetDword("Explorer", 0);
  EXPECT_TRUE(ReloadTaskbarFilter());
  const HWND explorer = Make(Spec("ExploreWClass", "Explorer"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_TRUE(shell_.HasItem(explorer));
}

TEST_F(ReloadRequestTest, AShellThatDoesNotAnswerCannotHoldStowpouchUp) {
  ASSERT_TRUE(Load());
  // The time-out shortened tenfold, and the shell stuck for longer than it.
  ASSERT_TRUE(shell_.Hang(1500));
  const ULONGLONG start = GetTickCount64();
  EXPECT_FALSE(ReloadTaskbarFilter(kReloadTimeoutMs / 10));
  EXPECT_LT(GetTickCount64() - start, 1000u);
  // The shell takes the request once it runs again, and lives on.
  EXPECT_TRUE(WaitUntil([&] { return shell_.TabControl() != nullptr; }));
}

// "TaskbarCreated" may come while the shell is too busy to answer: its
// filter, which a load request would switch off, stays. The relay makes
// this program's load requests reach the stand-in, as they reach the shell.
TEST(ShellReconnect, AShellTooBusyToAnswerKeepsItsFilter) {
  RegisterAppMessages();
  // As Stowpouch's thread, which makes the load requests; without a tray
  // icon, whose message the stand-in's taskbar would also be sent.
  struct Apartment {
    Apartment() { CoInitialize(nullptr); }
    ~Apartment() { CoUninitialize(); }
  } apartment;
  Settings().MenuPosTray = 0;
  const standin::ServerRegistration relay("LoadRelay.dll");
  ASSERT_TRUE(relay.Registered());
  const standin::StandInShell shell;
  ASSERT_TRUE(shell.Running());
  ASSERT_EQ(shell.ServeLoadRequest(CLSID_Graftling), CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_TRUE(shell.FilterInFront());
  EXPECT_EQ(AskTaskbarFilter(), TaskbarFilterPresence::kPresent);

  ASSERT_TRUE(shell.Hang(1500));
  ReconnectToShell(kReloadTimeoutMs / 10);
  EXPECT_TRUE(WaitUntil([&] { return shell.TabControl() != nullptr; }));
  EXPECT_TRUE(shell.FilterInFront());
  // Switched off, the filter lets the tab control answer: then it goes in.
  ASSERT_EQ(shell.ServeLoadRequest(CLSID_Graftling), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(AskTaskbarFilter(), TaskbarFilterPresence::kAbsent);
  ReconnectToShell();
  EXPECT_TRUE(shell.FilterInFront());
  ASSERT_EQ(shell.ServeLoadRequest(CLSID_Graftling), CLASS_E_CLASSNOTAVAILABLE);
}

}  // namespace
}  // namespace shellext_test
