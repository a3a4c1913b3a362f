// Which farm windows land in which list, for the kind switches that matter.
#include <gtest/gtest.h>

#include <algorithm>

#include <array>
#include <map>

#include "FarmWindows.h"
#include "windows/FrameContentCache.h"
#include "windows/WindowLists.h"

namespace windows_test {
namespace {

using farm::ShowState;

constexpr int kOther = -1;    // in the other-window list
constexpr int kNowhere = -2;  // not a candidate at all

struct SwitchCase {
  int folder, explorer, iexplorer;
};
constexpr std::array<SwitchCase, 5> kSwitchCases = {{
    {1, 1, 1},
    {0, 1, 1},  // folders off, browsers on
    {1, 1, 0},
    {1, 0, 1},
    {0, 0, 0},
}};

class WindowListsTest : public FarmTest {
 protected:
  void SetUp() override {
    FarmTest::SetUp();
    folder = Make(Spec("CabinetWClass", "Folder"));
    folderShowingPage = Make(WithDocumentView(Spec("CabinetWClass", "Folder with a page"), 2));
    browser = Make(WithDocumentView(Spec("IEFRAME", "Browser"), 1));
    browserShowingFolder = Make(Spec("IEFRAME", "Browser on a folder"));
    explorer = Make(Spec("ExploreWClass", "Explorer"));
    explorerWithView = Make(WithDocumentView(Spec("ExploreWClass", "Explorer with a view"), 1));
    netscape = Make(Spec("Afx:400000:b:10008:6:170420", "Netscape"));
    userApp = Make(Spec("FarmNotepad", "User application"));
    app = Make(Spec("FarmApp", "Application"));
    minimizedFolder = Make(Spec("CabinetWClass", "Minimised folder", ShowState::kMinimized));
    minimizedApp = Make(Spec("FarmApp", "Minimised application", ShowState::kMinimized));

    hiddenFolder = Make(Spec("CabinetWClass", "Hidden folder", ShowState::kHidden));
    untitledFolder = Make(Spec("CabinetWClass", ""));
    farm::WindowSpec popup = Spec("FarmApp", "Owned pop-up");
    popup.popup = true;
    popup.owner = app;
    ownedPopup = Make(popup);
    farm::WindowSpec flat = Spec("CabinetWClass", "No height");
    flat.popup = true;
    flat.height = 0;
    noHeight = Make(flat);
    flat.title = "No width";
    flat.height = 100;
    flat.width = 0;
    noWidth = Make(flat);
    desktop = Make(Spec("Progman", "Program Manager"));
  }

  // Expected list of every window for each switch case, written out by hand.
  std::map<HWND, std::array<int, 5>> Expected() const {
    return {
        {folder, {0, kOther, 0, 0, kOther}},
        {folderShowingPage, {2, 2, kOther, 2, kOther}},
        {browser, {2, 2, kOther, 2, kOther}},
        {browserShowingFolder, {0, kOther, 0, 0, kOther}},
        {explorer, {1, 1, 1, kOther, kOther}},
        {explorerWithView, {1, 1, 1, kOther, kOther}},
        {netscape, {kOther, kOther, kOther, kOther, kOther}},
        {userApp, {4, 4, 4, 4, 4}},
        {app, {kOther, kOther, kOther, kOther, kOther}},
        {minimizedFolder, {0, kOther, 0, 0, kOther}},
        {minimizedApp, {kOther, kOther, kOther, kOther, kOther}},
        {hiddenFolder, {kNowhere, kNowhere, kNowhere, kNowhere, kNowhere}},
        {untitledFolder, {kNowhere, kNowhere, kNowhere, kNowhere, kNowhere}},
        {ownedPopup, {kNowhere, kNowhere, kNowhere, kNowhere, kNowhere}},
        {noHeight, {kNowhere, kNowhere, kNowhere, kNowhere, kNowhere}},
        {noWidth, {kNowhere, kNowhere, kNowhere, kNowhere, kNowhere}},
        {desktop, {kNowhere, kNowhere, kNowhere, kNowhere, kNowhere}},
    };
  }

  // The windows expected in list `list` (a kind or kOther), in enumeration
  // order.
  WindowList ExpectedIn(std::size_t switchCase, int list, bool includeMinimized) const {
    const auto expected = Expected();
    WindowList all;
    for (HWND window : FarmEnumerationOrder()) {
      const auto row = expected.find(window);
      if (row == expected.end() || row->second[switchCase] != list) continue;
      if (!includeMinimized && (window == minimizedFolder || window == minimizedApp)) continue;
      all.push_back(window);
    }
    return all;
  }

  HWND folder, folderShowingPage, browser, browserShowingFolder, explorer, explorerWithView,
      netscape, userApp, app, minimizedFolder, minimizedApp;
  HWND hiddenFolder, untitledFolder, ownedPopup, noHeight, noWidth, desktop;
};

TEST_F(WindowListsTest, ListsFollowTheKindSwitches) {
  for (std::size_t c = 0; c < kSwitchCases.size(); ++c) {
    const SwitchCase& s = kSwitchCases[c];
    Switch(s.folder, s.explorer, s.iexplorer, {"FarmNotepad"});
    for (int includeMinimized : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "Folder " << s.folder << " Explorer " << s.explorer
                                      << " IExplorer " << s.iexplorer << " includeMinimized "
                                      << includeMinimized);
      const PouchLists lists = WhileOrderHolds([&] { return FarmPouchLists(includeMinimized); });
      for (int kind = 0; kind < static_cast<int>(kWindowKindCount); ++kind)
        EXPECT_EQ(Titles(lists[static_cast<std::size_t>(kind)]),
                  Titles(ExpectedIn(c, kind, includeMinimized != 0)))
            << "kind " << kind;
      const WindowList others = WhileOrderHolds([&] { return FarmOtherWindows(includeMinimized); });
      EXPECT_EQ(Titles(others), Titles(ExpectedIn(c, kOther, includeMinimized != 0)));
    }
  }
}

TEST_F(WindowListsTest, UserClassesNeverTakeTheBuiltInOnes) {
  // Listed by the user, but the built-in kinds match first, and with folders
  // off a folder stays an ordinary window.
  Switch(0, 1, 1, {"CabinetWClass", "IEFRAME", "FARMNOTEPAD"});
  const PouchLists lists = WhileOrderHolds([&] { return FarmPouchLists(1); });
  EXPECT_EQ(lists[KindIndex(WindowKind::UserDefined)], WindowList{userApp});
  EXPECT_TRUE(lists[KindIndex(WindowKind::Folder)].empty());
  EXPECT_EQ(Titles(lists[KindIndex(WindowKind::InternetExplorer)]),
            Titles(InEnumerationOrder({folderShowingPage, browser})));
  const WindowList others = FarmOtherWindows(1);
  for (HWND window : {folder, browserShowingFolder, minimizedFolder})
    EXPECT_NE(std::find(others.begin(), others.end(), window), others.end());
}

TEST_F(WindowListsTest, TheBrowserFrameTestLooksForADocumentViewAnywhereInside) {
  EXPECT_EQ(ClassifyBrowserFrame(folder), 0);
  EXPECT_EQ(ClassifyBrowserFrame(folderShowingPage), 2);
  EXPECT_EQ(ClassifyBrowserFrame(browser), 2);
  EXPECT_EQ(ClassifyBrowserFrame(browserShowingFolder), 0);
  EXPECT_EQ(ClassifyBrowserFrame(explorerWithView), -1);
  EXPECT_EQ(ClassifyBrowserFrame(app), -1);
  EXPECT_EQ(ClassifyBrowserFrame(nullptr), -1);
  ASSERT_TRUE(farm_.Destroy(browser));
  EXPECT_EQ(ClassifyBrowserFrame(browser), -1);
}

// Kept from one look to the next, what a frame shows still follows a
// document view made inside it or gone from it.
TEST_F(WindowListsTest, TheFrameCacheFollowsADocumentViewComingAndGoing) {
  FrameContentCache frames;
  std::vector<FrameContent> seen;
  const auto look = [&] {
    frames.BeginLook();
    seen.push_back(frames.ContentOf(folder));
    seen.push_back(frames.ContentOf(folderShowingPage));
  };
  look();
  look();
  farm::WindowSpec view = Spec("Shell DocObject View", "");
  view.owner = folder;
  view.child = true;
  const HWND page = Make(view);
  look();
  ASSERT_TRUE(farm_.Destroy(page));
  look();
  using C = FrameContent;
  EXPECT_EQ((std::vector<FrameContent>{C::kFolder, C::kDocument, C::kFolder, C::kDocument,
                                       C::kDocument, C::kDocument, C::kFolder, C::kDocument}),
            seen);
}

TEST_F(WindowListsTest, CandidatesAreAppendedInEnumerationOrder) {
  farm::WindowSpec longTitle = Spec("FarmApp", std::string(3000, 'T'));
  const HWND titled = Make(longTitle);
  const HWND sentinel = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
  const WindowList candidates = WhileOrderHolds([&] {
    WindowList list{sentinel};
    EnumerateCandidateWindows(list);
    return list;
  });
  ASSERT_FALSE(candidates.empty());
  EXPECT_EQ(candidates.front(), sentinel);
  EXPECT_EQ(Titles(Own(candidates)),
            Titles(InEnumerationOrder({folder, folderShowingPage, browser, browserShowingFolder,
                                explorer, explorerWithView, netscape, userApp, app,
                                minimizedFolder, minimizedApp, titled})));
}

TEST(WindowListsCase, ClassNamesMatchWithoutRegardToCase) {
  // A farm of its own: one process cannot register both spellings.
  farm::WindowFarm lowerCaseFarm;
  ASSERT_TRUE(lowerCaseFarm.Running());
  LoadBuiltInClassNames();
  Settings() = SettingsRecord();
  const HWND folder = lowerCaseFarm.Create(Spec("cabinetwclass", "Folder in lower case"));
  const HWND browser = lowerCaseFarm.Create(WithDocumentView(Spec("ieframe", "Browser"), 1));
  ASSERT_TRUE(folder && browser);
  PouchLists lists;
  BuildPouchLists(lists, 1);
  EXPECT_EQ(lowerCaseFarm.Own(lists[KindIndex(WindowKind::Folder)]), WindowList{folder});
  EXPECT_EQ(lowerCaseFarm.Own(lists[KindIndex(WindowKind::InternetExplorer)]),
            WindowList{browser});
  WindowList others;
  BuildOtherWindowList(others, 1);
  EXPECT_TRUE(lowerCaseFarm.Own(others).empty());
}

// The program's own windows (the main window, its dialogs) are no
// application of the user's.
TEST(WindowListsCase, TheProgramsOwnWindowsAreNoOtherWindows) {
  Settings() = SettingsRecord();
  const HWND own = CreateWindowExA(0, "STATIC", "Own window", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(own, nullptr);
  WindowList others;
  BuildOtherWindowList(others, 1);
  EXPECT_EQ(std::count(others.begin(), others.end(), own), 0);
  DestroyWindow(own);
}

}  // namespace
}  // namespace windows_test
