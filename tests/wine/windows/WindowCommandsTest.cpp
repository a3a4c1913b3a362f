// The window commands on real windows of another process.
#include <gtest/gtest.h>

#include "FarmWindows.h"
#include "common/FunctionCommandTable.h"
#include "menu/FunctionCommands.h"
#include "windows/WindowCommands.h"
#include "windows/WindowToggles.h"

namespace windows_test {
namespace {

using farm::ShowState;

bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }
bool Gone(HWND window) { return IsWindow(window) == FALSE; }

class WindowCommandsTest : public FarmTest {
 protected:
  void SetUp() override {
    FarmTest::SetUp();
    Switch(1, 1, 1, {"FarmNotepad"});
    folderA = Make(Spec("CabinetWClass", "Folder A"));
    folderB = Make(Spec("CabinetWClass", "Folder B"));
    browser = Make(WithDocumentView(Spec("IEFRAME", "Browser"), 1));
    userApp = Make(Spec("FarmNotepad", "User application"));
    app = Make(Spec("FarmApp", "Application"));
    otherApp = Make(Spec("FarmApp", "Other application"));
    minimizedFolder = Make(Spec("CabinetWClass", "Minimised folder", ShowState::kMinimized));
  }

  HWND folderA, folderB, browser, userApp, app, otherApp, minimizedFolder;
};

TEST_F(WindowCommandsTest, MinimizeAndCloseActOnOneKindOrAll) {
  MinimizePouchWindows(static_cast<int>(WindowKind::Folder));
  EXPECT_TRUE(WaitUntil([&] { return Minimized(folderA) && Minimized(folderB); }));
  EXPECT_FALSE(Minimized(browser));
  EXPECT_FALSE(Minimized(userApp));

  MinimizePouchWindows(kAllKinds);
  EXPECT_TRUE(WaitUntil([&] { return Minimized(browser) && Minimized(userApp); }));
  EXPECT_FALSE(Minimized(app));

  // Minimised windows get the close request too.
  ClosePouchWindows(static_cast<int>(WindowKind::Folder));
  EXPECT_TRUE(WaitUntil(
      [&] { return Gone(folderA) && Gone(folderB) && Gone(minimizedFolder); }));
  EXPECT_FALSE(Gone(browser));

  ClosePouchWindows(kAllKinds);
  EXPECT_TRUE(WaitUntil([&] { return Gone(browser) && Gone(userApp); }));
  EXPECT_FALSE(Gone(app));
  EXPECT_FALSE(Gone(otherApp));
}

TEST_F(WindowCommandsTest, MinimizePouchToggleBringsBackExactlyWhatItMinimised) {
  WindowToggles toggles;
  toggles.ToggleMinimizePouch();
  EXPECT_TRUE(WaitUntil([&] {
    return Minimized(folderA) && Minimized(folderB) && Minimized(browser) && Minimized(userApp);
  }));
  EXPECT_FALSE(Minimized(app));

  // A folder opened meanwhile is not part of the undo.
  const HWND newFolder = Make(Spec("CabinetWClass", "New folder", ShowState::kMinimized));
  toggles.ToggleMinimizePouch();
  EXPECT_TRUE(WaitUntil([&] {
    return !Minimized(folderA) && !Minimized(folderB) && !Minimized(browser) &&
           !Minimized(userApp);
  }));
  EXPECT_TRUE(Minimized(minimizedFolder));
  EXPECT_TRUE(Minimized(newFolder));
  // The user-defined window is the last one restored.
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == userApp; }));

  // Back in its first state: the next use minimises again.
  toggles.ToggleMinimizePouch();
  EXPECT_TRUE(WaitUntil([&] { return Minimized(folderA); }));
}

TEST_F(WindowCommandsTest, HideOthersToggleDropsWindowsClosedMeanwhile) {
  WindowToggles toggles;
  toggles.ToggleHideOthers();
  EXPECT_TRUE(WaitUntil([&] { return !Visible(app) && !Visible(otherApp); }));
  EXPECT_TRUE(Visible(folderA));
  EXPECT_TRUE(Visible(userApp));

  ASSERT_TRUE(farm_.Destroy(app));
  toggles.ToggleHideOthers();
  EXPECT_TRUE(WaitUntil([&] { return Visible(otherApp); }));

  toggles.ToggleHideOthers();
  EXPECT_TRUE(WaitUntil([&] { return !Visible(otherApp); }));
  toggles.ToggleHideOthers();
  EXPECT_TRUE(WaitUntil([&] { return Visible(otherApp); }));
}

TEST_F(WindowCommandsTest, MinimizeOthersRestorePouchAlternates) {
  WindowToggles toggles;
  toggles.ToggleMinimizeOthersRestorePouch();
  EXPECT_TRUE(WaitUntil([&] { return Minimized(app) && Minimized(otherApp); }));
  EXPECT_FALSE(Minimized(folderA));

  toggles.ToggleMinimizeOthersRestorePouch();
  EXPECT_TRUE(WaitUntil([&] {
    return !Minimized(app) && !Minimized(otherApp) && Minimized(folderA) && Minimized(folderB) &&
           Minimized(browser) && Minimized(userApp);
  }));

  toggles.ToggleMinimizeOthersRestorePouch();
  EXPECT_TRUE(WaitUntil([&] {
    return Minimized(app) && Minimized(otherApp) && !Minimized(folderA) && !Minimized(folderB) &&
           !Minimized(browser) && !Minimized(userApp);
  }));
  // Folders that were minimised before any of this stay so.
  EXPECT_TRUE(Minimized(minimizedFolder));
}

TEST_F(WindowCommandsTest, TileFoldersMovesOnlyVisibleFolderWindows) {
  const HWND folderC = Make(Spec("CabinetWClass", "Folder C"));
  const WindowRect browserBefore = RectOf(browser);
  const WindowRect minimizedBefore = RectOf(minimizedFolder);

  // Tiling brings each folder to the front in turn, so the order is taken
  // before, once the new folder has stopped moving in it.
  const WindowList folders =
      WhileOrderHolds([&] { return InEnumerationOrder({folderA, folderB, folderC}); });
  MinimizeOthersAndTileFolders();
  EXPECT_TRUE(WaitUntil([&] { return Minimized(app) && Minimized(otherApp); }));

  const std::vector<WindowRect> places = TileRectangles(3, CurrentScreenMetrics());
  ASSERT_EQ(folders.size(), 3u);
  for (std::size_t i = 0; i < folders.size(); ++i)
    EXPECT_TRUE(WaitUntil([&] { return RectOf(folders[i]) == places[i]; }))
        << "folder " << i << " at " << RectOf(folders[i]).x << "," << RectOf(folders[i]).y;
  EXPECT_TRUE(RectOf(browser) == browserBefore);
  EXPECT_TRUE(RectOf(minimizedFolder) == minimizedBefore);
}

TEST_F(WindowCommandsTest, RestoreAndActivateKeepsAMaximisedWindowsSize) {
  const HWND maximized = Make(Spec("FarmApp", "Maximised", ShowState::kMaximized));
  ASSERT_TRUE(IsZoomed(maximized));
  const WindowRect before = RectOf(maximized);
  RestoreAndActivate(maximized);
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == maximized; }));
  EXPECT_TRUE(IsZoomed(maximized));
  EXPECT_TRUE(RectOf(maximized) == before);

  // Minimised from maximised, it comes back maximised.
  ShowWindow(maximized, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return Minimized(maximized); }));
  RestoreAndActivate(maximized);
  EXPECT_TRUE(WaitUntil([&] { return IsZoomed(maximized) != FALSE; }));

  RestoreAndActivate(minimizedFolder);
  EXPECT_TRUE(WaitUntil([&] { return !Minimized(minimizedFolder) && !IsZoomed(minimizedFolder); }));

  // A window closed meanwhile is no error.
  ASSERT_TRUE(farm_.Destroy(maximized));
  RestoreAndActivate(maximized);
}

TEST_F(WindowCommandsTest, RefreshTaskbarButtonsLeavesEveryWindowAsItWas) {
  const HWND hidden = Make(Spec("FarmApp", "Hidden", ShowState::kHidden));
  SetForegroundWindow(folderB);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == folderB; }));
  // Where a hidden window sits in the stack shows nowhere.
  const auto visibleStacking = [&] {
    WindowList visible;
    for (HWND window : FarmEnumerationOrder())
      if (Visible(window)) visible.push_back(window);
    return visible;
  };
  // The raise of the new foreground window lands when the farm handles it:
  // then it is in front of every other open window.
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND window : visibleStacking())
      if (!Minimized(window)) return window == folderB;
    return false;
  })) << testing::PrintToString(Titles(visibleStacking()));
  const WindowList stacking = WhileOrderHolds(visibleStacking);

  EXPECT_EQ(RefreshTaskbarButtons(), 1);
  EXPECT_EQ(Titles(visibleStacking()), Titles(stacking));
  // The farm's thread takes the activation when it handles it.
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == folderB; }))
      << GetForegroundWindow();
  for (HWND window : {folderA, folderB, browser, userApp, app, otherApp, minimizedFolder})
    EXPECT_TRUE(Visible(window));
  EXPECT_TRUE(Minimized(minimizedFolder));
  EXPECT_FALSE(Minimized(folderA));
  EXPECT_FALSE(Visible(hidden));
}

TEST_F(WindowCommandsTest, AProgramThatStoppedRespondingDoesNotHoldUsUp) {
  ASSERT_TRUE(farm_.Hang());
  // The platform calls a program hung once it has left its queue alone for
  // five seconds.
  ASSERT_TRUE(WaitUntil([&] { return IsHungAppWindow(folderA) != FALSE; }));
  // The farm stays hung until released, so returning here proves that
  // neither call waited for it.
  RefreshTaskbarButtons();
  MinimizePouchWindows(static_cast<int>(WindowKind::Folder));
  EXPECT_FALSE(Minimized(folderA));
  farm_.EndHang();
  // Running again, it carries the requests out in order.
  EXPECT_TRUE(WaitUntil([&] {
    return farm_.TimesHidden(folderA) == 1 && Visible(folderA) && Minimized(folderA);
  }));
}

TEST_F(WindowCommandsTest, FunctionCommandSeparatorsAndStrayIndicesDoNothing) {
  for (int index : {8, 11, 16, 18, 20, -1, 1000}) ExecuteFunctionCommand(index);
  for (HWND window : {folderA, folderB, browser, userApp, app, otherApp}) {
    EXPECT_TRUE(Visible(window));
    EXPECT_FALSE(Minimized(window));
  }

  // The toggles of the table keep their state between calls.
  ExecuteFunctionCommand(9);
  EXPECT_TRUE(WaitUntil([&] { return Minimized(folderA) && Minimized(userApp); }));
  ExecuteFunctionCommand(9);
  EXPECT_TRUE(WaitUntil([&] { return !Minimized(folderA) && !Minimized(userApp); }));

  ExecuteFunctionCommand(10);
  EXPECT_TRUE(WaitUntil([&] { return Gone(folderA) && Gone(browser) && Gone(minimizedFolder); }));
  EXPECT_FALSE(Gone(app));
}

}  // namespace
}  // namespace windows_test
