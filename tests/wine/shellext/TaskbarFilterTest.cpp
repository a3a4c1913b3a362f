// Graftling's filter inside the stand-in shell, on windows of another
// process: which windows keep their taskbar item, the reload request, the
// load toggle, and what must never take the shell down.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ShellTest.h"
#include "common/SharedNames.h"
#include "shellext/GraftlingIds.h"

namespace shellext_test {
namespace {

using standin::protocol::ItemShape;

UINT StowpouchMessage() { return RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME); }

// ---- which windows keep their item ------------------------------------------------

enum Window { kFolder, kFolderShowingPage, kBrowser, kBrowserShowingFolder, kExplorer, kUser, kApp };

struct FilterCase {
  const char* name;
  // A vector, not an initializer list: the cases outlive the expression
  // that makes them.
  std::vector<std::pair<const char*, DWORD>> numbers;
  const char* userClasses;  // null: no list stored
  std::set<Window> keepItem;
};

void PrintTo(const FilterCase& c, std::ostream* out) { *out << c.name; }

class FilterCaseTest : public ShellTest, public testing::WithParamInterface<FilterCase> {};

TEST_P(FilterCaseTest, PouchWindowsGetNoItemOthersKeepTheirs) {
  SetSettings(GetParam().numbers, GetParam().userClasses);
  ASSERT_TRUE(Load());
  const std::vector<std::pair<Window, HWND>> windows = {
      {kFolder, Make(Spec("CabinetWClass", "Folder"))},
      {kFolderShowingPage, Make(WithDocumentView(Spec("CabinetWClass", "Folder page"), 2))},
      {kBrowser, Make(WithDocumentView(Spec("IEFRAME", "Browser"), 1))},
      {kBrowserShowingFolder, Make(Spec("IEFRAME", "Browser folder"))},
      {kExplorer, Make(Spec("ExploreWClass", "Explorer"))},
      {kUser, Make(Spec("FarmNotepad", "User application"))},
      {kApp, Make(Spec("FarmApp", "Application"))},
  };
  ASSERT_TRUE(shell_.Sync());
  for (const auto& [kind, window] : windows)
    EXPECT_EQ(shell_.HasItem(window), GetParam().keepItem.count(kind) == 1)
        << windows_test::Titles({window}).front();
  EXPECT_TRUE(shell_.Running());
}

INSTANTIATE_TEST_SUITE_P(
    Switches, FilterCaseTest,
    testing::Values(
        FilterCase{"AllKindsOn",
                   {{"Explorer", 1}, {"Folder", 1}, {"IExplorer", 1}},
                   "FarmNotepad\x01",
                   {kApp}},
        // Before the settings were ever saved nothing is filtered.
        FilterCase{"NoSettingsKey", {}, nullptr,
                   {kFolder, kFolderShowingPage, kBrowser, kBrowserShowingFolder, kExplorer,
                    kUser, kApp}},
        FilterCase{"ExplorerOff", {{"Explorer", 0}}, nullptr, {kExplorer, kUser, kApp}},
        FilterCase{"ExplorerMissing", {{"Folder", 1}}, nullptr, {kExplorer, kUser, kApp}},
        // A frame showing a page follows "IExplorer" even while "Folder" is
        // off, and "Folder" counts as on only when it is exactly 1.
        FilterCase{"FolderOff",
                   {{"Explorer", 1}, {"Folder", 2}, {"IExplorer", 1}},
                   nullptr,
                   {kFolder, kBrowserShowingFolder, kUser, kApp}},
        FilterCase{"IExplorerOff",
                   {{"Explorer", 1}, {"Folder", 1}, {"IExplorer", 0}},
                   nullptr,
                   {kFolderShowingPage, kBrowser, kUser, kApp}},
        // User classes compare without regard to case, but cannot make a
        // frame a pouch window while its switch is off.
        FilterCase{"UserClassesIgnoreCaseButNotTheFrameSwitches",
                   {{"Explorer", 1}, {"Folder", 0}, {"IExplorer", 1}},
                   "cabinetwclass\x01" "\x01" "farmnotepad\x01",
                   {kFolder, kBrowserShowingFolder, kApp}}),
    [](const testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

// ---- the reload request -----------------------------------------------------------

class TaskbarFilterTest : public ShellTest {
 protected:
  LRESULT SendStowpouchMessage(WPARAM wParam) const {
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(shell_.TabControl(), StowpouchMessage(), wParam, 0,
                                    SMTO_ABORTIFHUNG, 10000, &answer));
    return static_cast<LRESULT>(answer);
  }
};

TEST_F(TaskbarFilterTest, OnlyCode102ReloadsAndOnlyLaterButtonsFollow) {
  SetSettings({{"Explorer", 1}});
  ASSERT_TRUE(Load());
  const HWND explorer = Make(Spec("ExploreWClass", "Explorer"));
  settings_.SetDword("Explorer", 0);

  // Any other code is the tab control's business, and reloads nothing.
  SendStowpouchMessage(kMsgLaunchShortcut);
  EXPECT_EQ(shell_.StowpouchMessagesSeen(kMsgLaunchShortcut), 1);
  const HWND secondExplorer = Make(Spec("ExploreWClass", "Second explorer"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_FALSE(shell_.HasItem(secondExplorer));

  EXPECT_EQ(SendStowpouchMessage(kMsgReloadFilter), kMsgReloadAnswer);
  EXPECT_EQ(shell_.StowpouchMessagesSeen(kMsgReloadFilter), 0);
  // A button the taskbar already decided on stays as it is...
  ASSERT_TRUE(shell_.Sync());
  EXPECT_FALSE(shell_.HasItem(explorer));
  // ...until the window is hidden and shown again; new windows follow at once.
  HideAndShow(explorer);
  const HWND thirdExplorer = Make(Spec("ExploreWClass", "Third explorer"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_TRUE(shell_.HasItem(explorer));
  EXPECT_TRUE(shell_.HasItem(thirdExplorer));
}

TEST_F(TaskbarFilterTest, ManyReloadsLeaveTheShellWorkingAndLeakNothing) {
  SetSettings({{"Folder", 1}, {"IExplorer", 1}});
  ASSERT_TRUE(Load());
  const auto reload = [&](int count) {
    for (int i = 0; i < count; ++i) {
      DWORD_PTR answer = 0;
      if (!SendMessageTimeoutA(shell_.TabControl(), StowpouchMessage(), kMsgReloadFilter, 0,
                               SMTO_ABORTIFHUNG, 10000, &answer) ||
          answer != static_cast<DWORD_PTR>(kMsgReloadAnswer))
        return false;
    }
    return true;
  };
  // The first reloads may still grow the heap to its working size.
  ASSERT_TRUE(reload(50));
  const std::optional<std::int64_t> heapBefore = shell_.HeapInUse();
  const std::optional<std::int64_t> handleBefore = shell_.NextHandle();
  ASSERT_TRUE(heapBefore && handleBefore);
  ASSERT_TRUE(reload(500));
  const std::optional<std::int64_t> heapAfter = shell_.HeapInUse();
  const std::optional<std::int64_t> handleAfter = shell_.NextHandle();
  ASSERT_TRUE(heapAfter && handleAfter);
  // A key or a string left behind per reload would be 500 of them.
  EXPECT_LT(*handleAfter, *handleBefore + 10 * 4) << "handles left open";
  EXPECT_LT(*heapAfter, *heapBefore + 8 * 1024) << "heap blocks left behind";

  const HWND folder = Make(Spec("CabinetWClass", "Folder"));
  const HWND app = Make(Spec("FarmApp", "Application"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_TRUE(shell_.HasItem(app));
  EXPECT_FALSE(shell_.HasItem(folder));
}

// ---- the load toggle ----------------------------------------------------------------

TEST_F(TaskbarFilterTest, EveryLoadRequestSwitchesTheFilterAndOffLetsTheLibraryGo) {
  SetSettings({{"Folder", 1}});
  ASSERT_TRUE(Load());
  EXPECT_TRUE(shell_.ModuleLoaded("Graftling.dll"));
  const HWND first = Make(Spec("CabinetWClass", "First folder"));
  // Its item is decided before the filter goes off.
  ASSERT_TRUE(shell_.Sync());

  ASSERT_TRUE(Load());
  // Off: the shell asked DllCanUnloadNow and let the library go.
  EXPECT_FALSE(shell_.ModuleLoaded("Graftling.dll"));
  const HWND second = Make(Spec("CabinetWClass", "Second folder"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_TRUE(shell_.HasItem(second));
  EXPECT_FALSE(shell_.HasItem(first));

  ASSERT_TRUE(Load());
  EXPECT_TRUE(shell_.ModuleLoaded("Graftling.dll"));
  const HWND third = Make(Spec("CabinetWClass", "Third folder"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_FALSE(shell_.HasItem(third));
  EXPECT_TRUE(shell_.HasItem(second));
}

// Someone who subclasses the tab control after us calls our procedure as
// their previous one: switching off must neither cut them off nor let the
// library be unloaded under them.
TEST_F(TaskbarFilterTest, AProcedurePutInFrontOfTheFilterIsNeverCutOff) {
  SetSettings({{"Folder", 1}});
  ASSERT_TRUE(Load());
  ASSERT_TRUE(shell_.SubclassOnTop());

  ASSERT_TRUE(Load());
  EXPECT_TRUE(shell_.ModuleLoaded("Graftling.dll"));
  const HWND passed = Make(Spec("CabinetWClass", "Passed folder"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_TRUE(shell_.HasItem(passed));

  // Still in the chain, so the next request filters again.
  ASSERT_TRUE(Load());
  const HWND filtered = Make(Spec("CabinetWClass", "Filtered folder"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_FALSE(shell_.HasItem(filtered));

  // Once the other procedure has gone, switching off takes ours out too.
  ASSERT_TRUE(shell_.RemoveTopSubclass());
  ASSERT_TRUE(Load());
  EXPECT_FALSE(shell_.ModuleLoaded("Graftling.dll"));
  const HWND last = Make(Spec("CabinetWClass", "Last folder"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_TRUE(shell_.HasItem(last));
}

// As under Wine, where SHLoadInProc creates the class in the caller: the
// tab control belongs to another process, and the filter stays out of it.
TEST_F(TaskbarFilterTest, ATabControlOfAnotherProcessIsLeftAlone) {
  SetSettings({{"Folder", 1}});
  const GraftlingLibrary library;
  ASSERT_TRUE(library.Loaded());
  EXPECT_EQ(library.RequestClassObject(), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(library.CanUnloadNow(), S_FALSE);
  const HWND folder = Make(Spec("CabinetWClass", "Folder"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_TRUE(shell_.HasItem(folder));
  EXPECT_EQ(library.RequestClassObject(), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

// ---- load requests on another thread of the shell ----------------------------------

// The shell may serve load requests on a thread other than the taskbar's:
// switching the filter there, and building its list there, must neither
// lose an insertion on its way through the filter nor let one read a list
// being freed, and the apartment that loaded the library may end while the
// filter is in the chain. A long class list makes each insertion read it
// for longer.
TEST_F(TaskbarFilterTest, LoadRequestsOnAnotherThreadLoseNoInsertion) {
  std::string userClasses;
  for (int i = 0; i < 40; ++i) userClasses += "FarmUserClass" + std::to_string(i) + "\x01";
  SetSettings({{"Folder", 1}, {"IExplorer", 0}}, userClasses.c_str());
  const HWND app = Make(Spec("FarmApp", "Application"));
  ASSERT_TRUE(shell_.Sync());

  EXPECT_EQ(shell_.InsertDuringLoadRequests(app, 10000), std::int64_t{0});
  EXPECT_GE(shell_.LoadRequestsServed(), 3);
  // The other thread left the filter on, and its apartment is gone.
  ASSERT_TRUE(shell_.Running());
  EXPECT_TRUE(shell_.FilterInFront());
  const HWND folder = Make(Spec("CabinetWClass", "Folder"));
  ASSERT_TRUE(shell_.Sync());
  EXPECT_FALSE(shell_.HasItem(folder));
  EXPECT_TRUE(shell_.HasItem(app));
}

// ---- insertions that carry no window ---------------------------------------------------

TEST_F(TaskbarFilterTest, InsertionsWithoutAWindowPassUntouched) {
  SetSettings({{"Explorer", 1}, {"Folder", 1}, {"IExplorer", 1}});
  ASSERT_TRUE(Load());
  const HWND gone = Make(Spec("CabinetWClass", "Closed folder"));
  ASSERT_TRUE(farm_.Destroy(gone));
  const HWND folder = Make(Spec("CabinetWClass", "Folder"));
  ASSERT_TRUE(shell_.Sync());
  ASSERT_FALSE(shell_.HasItem(folder));

  struct Raw {
    const char* what;
    std::int64_t param;
    ItemShape shape;
  };
  const std::int64_t folderParam = standin::protocol::WindowToWire(folder);
  const Raw raws[] = {
      {"no item record", 0, ItemShape::kNoItem},
      {"a null window", 0, ItemShape::kWithWindow},
      {"a number that names no window", 0x12345678, ItemShape::kWithWindow},
      {"a window closed before its item came", standin::protocol::WindowToWire(gone),
       ItemShape::kWithWindow},
      // Without TCIF_PARAM the lParam member means nothing, even when it
      // happens to name a pouch window.
      {"no TCIF_PARAM", folderParam, ItemShape::kWithoutParam},
  };
  for (const Raw& raw : raws) {
    const int before = shell_.InsertionsSeen();
    EXPECT_TRUE(shell_.InsertItem(raw.param, raw.shape).has_value()) << raw.what;
    EXPECT_EQ(shell_.InsertionsSeen(), before + 1) << raw.what;
  }
  // The same pouch window with its parameter is still swallowed.
  const int before = shell_.InsertionsSeen();
  EXPECT_EQ(shell_.InsertItem(folderParam, ItemShape::kWithWindow), LRESULT{0});
  EXPECT_EQ(shell_.InsertionsSeen(), before);
  EXPECT_TRUE(shell_.Running());
}

}  // namespace
}  // namespace shellext_test
