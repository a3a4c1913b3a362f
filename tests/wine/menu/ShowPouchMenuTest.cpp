// ShowPouchMenu end to end: the menu as tracked, walked from the owner once
// the menu loop idles, then cancelled, so that nothing is chosen.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "../windows/FarmWindows.h"
#include "common/SharedNames.h"
#include "framework/AppWindow.h"
#include "menu/MenuArt.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"
#include "menu/PouchMenu.h"
#include "windows/ClassNames.h"

namespace windows_test {
namespace {

// An item's identifier and its record's text (empty for separators).
using Item = std::pair<int32_t, std::string>;
using Items = std::vector<Item>;

// What the owner saw while one ShowPouchMenu call tracked its menu.
struct Tracked {
  HMENU root = nullptr;
  int rootItemsOffered = -1;  // as the root came to tracking
  int popups = 0;  // WM_INITMENUPOPUP seen
  int idles = 0;
  Items items;                  // the root
  std::vector<Items> submenus;  // in root order
  int faults = 0;  // items not owner-drawn, or whose record names another id
  int filledBeforeOpening = 0;  // submenus with items before they were opened
  std::vector<int> bandEnds;  // the root's items where the logo band ends
  bool nestedRefused = false;  // a second call: 0, and no menu or record more
  std::function<void()> whenOffered;  // runs as the root comes to tracking
};
Tracked* g_tracked = nullptr;
PouchMenuHost* g_host = nullptr;  // as the main window keeps it

Items Walk(HMENU menu, std::vector<Items>* submenus);

// A submenu as the user finds it, opened twice as the platform tells its
// owner each time: once in and out, then again.
Items Open(HMENU submenu) {
  if (GetMenuItemCount(submenu) != 0) ++g_tracked->filledBeforeOpening;
  for (int opening = 0; opening < 2; ++opening) {
    LRESULT result = 1;
    EXPECT_TRUE(g_host->OnMenuMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(submenu),
                                      MAKELPARAM(0, FALSE), result));
  }
  return Walk(submenu, nullptr);
}

Items Walk(HMENU menu, std::vector<Items>* submenus) {
  Items items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    const auto* record = reinterpret_cast<const MenuItemData*>(info.dwItemData);
    // An entry's item id is its submenu's handle; its record names the entry.
    const int32_t id = info.hSubMenu && record ? record->nID : static_cast<int32_t>(info.wID);
    std::string text = record ? record->szText : "";
    // A drive's free space changes while the test runs.
    if (menu_id::IsDriveId(id)) text = text.substr(0, text.find('('));
    if ((record && record->nID != id) || !(info.fType & (MFT_OWNERDRAW | MFT_SEPARATOR)))
      ++g_tracked->faults;
    if (submenus && g_host->Open()->Items().IsLastRootItem(record))
      g_tracked->bandEnds.push_back(i);
    items.push_back({id, text});
    if (info.hSubMenu && submenus) submenus->push_back(Open(info.hSubMenu));
  }
  return items;
}

void OnMenuIdle() {
  Tracked& tracked = *g_tracked;
  if (tracked.idles++ == 0 && tracked.root) {
    tracked.items = Walk(tracked.root, &tracked.submenus);
    const std::size_t records = g_host->Open()->Items().Size();
    const int popups = tracked.popups;
    tracked.nestedRefused = ShowPouchMenu(*g_host, 3, -1, -1) == 0 && tracked.popups == popups &&
                            g_host->Open()->Items().Size() == records;
  }
  EndMenu();
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITMENUPOPUP && g_tracked && g_tracked->popups++ == 0) {
    g_tracked->root = reinterpret_cast<HMENU>(wParam);
    g_tracked->rootItemsOffered = GetMenuItemCount(g_tracked->root);
    if (g_tracked->whenOffered) g_tracked->whenOffered();
  }
  LRESULT result = 0;  // the menu's messages as the main window forwards them
  if (g_host && g_host->OnMenuMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_ENTERIDLE:
      if (g_tracked && wParam == MSGF_MENU) OnMenuIdle();
      return 0;
    case WM_TIMER:
      EndMenu();
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class ShowPouchMenuTest : public FarmTest {
 protected:
  void SetUp() override {
    FarmTest::SetUp();
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ShowPouchMenuTestOwner";
    RegisterClassA(&windowClass);  // fails harmlessly from the second test on
    owner_.Reset(CreateWindowExA(0, windowClass.lpszClassName, "Pouch menu owner",
                                 WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                 windowClass.hInstance, nullptr));
    ASSERT_TRUE(owner_);
    SetMainWindow(owner_.Get());
    g_host = &host_;
  }
  void TearDown() override {
    g_host = nullptr;
    SetMainWindow(nullptr);
    owner_.Reset();
    CoUninitialize();
    FarmTest::TearDown();
  }

  Tracked Show(std::function<void()> whenOffered = nullptr) {
    Tracked tracked;
    tracked.whenOffered = std::move(whenOffered);
    g_tracked = &tracked;
    SetTimer(owner_.Get(), 1, 20000, nullptr);  // only if the menu never idles
    EXPECT_EQ(ShowPouchMenu(host_, 200, 300, 20), 1);
    KillTimer(owner_.Get(), 1);
    g_tracked = nullptr;
    EXPECT_FALSE(tracked.root && IsMenu(tracked.root)) << "the menu outlived the call";
    EXPECT_EQ(host_.Open(), nullptr);
    EXPECT_EQ(tracked.faults, 0);
    EXPECT_EQ(tracked.filledBeforeOpening, 0);
    EXPECT_TRUE(tracked.items.empty() || tracked.nestedRefused);
    return tracked;
  }

  MenuArt art_{GetModuleHandleA(nullptr), false};
  PouchMenuHost host_{art_};
  UniqueWindow owner_;
};

const Item kSeparator{0, ""};
const Items kTopSections = {{2824, "Desktop Icons"}, kSeparator, {2924, "Function Command"}};

// The bench prefix's drives after their separator.
Items WithDrives(Items items) {
  items.push_back(kSeparator);
  for (const char* drive : {"C Drive", "D Drive", "Z Drive"})
    items.push_back({menu_id::DriveId(drive[0]), drive});
  return items;
}

TEST_F(ShowPouchMenuTest, EverySectionOffTracksAnEmptyMenuAndChoosesNothing) {
  SettingsRecord& settings = Settings();
  settings.DesktopIcon = settings.FunctionCommand = 0;
  settings.DisplayCloseAll = settings.DisplayMinimizeAll = settings.DisplayDrive = 0;
  const Tracked tracked = Show();
  // Wine offers the empty root to tracking, then returns without showing it
  // or idling; a loop that did idle must have found nothing either.
  EXPECT_EQ(tracked.rootItemsOffered, 0);
  EXPECT_TRUE(tracked.idles == 0 || tracked.items.empty()) << tracked.items.size();
}

TEST_F(ShowPouchMenuTest, WithoutPouchWindowsTheDrivesEndTheMenu) {
  Items expected = WithDrives(kTopSections);
  EXPECT_EQ(Show().items, expected);

  SettingsRecord& settings = Settings();
  settings.DisplayRemovable = settings.DisplayFixed = settings.DisplayRemote = 0;
  settings.DisplayCDROM = 0;
  expected.resize(kTopSections.size() + 1);  // the drives' separator stays
  const Tracked tracked = Show();
  EXPECT_EQ(tracked.items, expected);
  // Below the last separator, not the first.
  EXPECT_EQ(tracked.bandEnds, std::vector<int>{static_cast<int>(expected.size()) - 1});
}

// Pouch windows of every kind, besides an application of no kind.
class PouchWindowsTest : public ShowPouchMenuTest {
 protected:
  void SetUp() override {
    ShowPouchMenuTest::SetUp();
    banana = Make(Spec("CabinetWClass", "Banana"));
    cherry = Make(Spec("CabinetWClass", "cherry", farm::ShowState::kMinimized));
    apple = Make(Spec("CabinetWClass", "apple"));
    pageFolder = Make(WithDocumentView(Spec("CabinetWClass", "Page in a folder"), 2));
    browser = Make(WithDocumentView(Spec("IEFRAME", "Browser"), 1));
    Make(Spec("ExploreWClass", "Explorer"));
    Make(Spec(BuiltInClasses().netscape, "Navigator"));
    Make(Spec("FarmNotepad", std::string(300, 'T')));
    Make(Spec("FarmApp", "Application"));
  }

  // Every section, then the pouch windows with these titles.
  static Items RootWithWindows(const std::vector<std::string>& titles) {
    Items items = kTopSections;
    items.insert(items.end(), {kSeparator, {2424, "Close"}, kSeparator, {2524, "Minimize"}});
    items = WithDrives(items);
    items.push_back(kSeparator);
    int32_t id = menu_id::kPouchWindowFirst;
    for (const std::string& title : titles) items.push_back({id++, title});
    return items;
  }
  // The Close and Minimize submenus list these kinds, then their "all" item.
  static void ExpectKindSubmenus(const Tracked& tracked, const std::vector<int32_t>& kinds) {
    static const char* const kNames[] = {"Folder", "Explorer", "Internet Explorer", "Netscape",
                                         "User defined application"};
    Items close, minimize;
    for (int32_t kind : kinds) {
      close.push_back({2425 + kind, kNames[kind]});
      minimize.push_back({2525 + kind, kNames[kind]});
    }
    close.insert(close.end(), {kSeparator, {2523, "Close All"}});
    minimize.insert(minimize.end(), {kSeparator, {2623, "Miminize All"}});
    ASSERT_EQ(tracked.submenus.size(), 4u);
    EXPECT_EQ(tracked.submenus[2], close);
    EXPECT_EQ(tracked.submenus[3], minimize);
  }

  HWND banana, cherry, apple, pageFolder, browser;
};

TEST_F(PouchWindowsTest, SortedKindByKindAfterEverySection) {
  Switch(1, 1, 1, {"FarmNotepad"});
  Settings().Netscape = 1;
  const Tracked tracked = Show();
  EXPECT_EQ(tracked.items, RootWithWindows({"apple", "Banana", "cherry", "Explorer", "Browser",
                                            "Page in a folder", "Navigator",
                                            std::string(259, 'T')}));
  ExpectKindSubmenus(tracked, {0, 1, 2, 3, 4});
  EXPECT_EQ(tracked.bandEnds, std::vector<int>{static_cast<int>(tracked.items.size()) - 1});
  EXPECT_EQ(tracked.submenus.at(0).at(0), (Item{2825, "Desktop Folder"}));
  EXPECT_EQ(tracked.submenus.at(1).size(), 8u);
}

TEST_F(PouchWindowsTest, UnsortedInEnumerationOrderAndOnlyKindsWithWindows) {
  Switch(1, 0, 1, {"FarmNotepad"});  // the Explorer and Netscape windows are no pouch windows
  Settings().SortMenuItem = 0;
  // The platform restacks new windows a little after they appear, and now
  // and then swaps two for a moment: the order read just before, during and
  // just after the build must agree, and the menu must follow it.
  Tracked tracked;
  std::vector<std::string> expected;
  EXPECT_TRUE(WaitUntil([&] {
    if (!farm_.Settle()) return false;
    const WindowList before = FarmEnumerationOrder();
    WindowList offered;
    tracked = Show([&] { offered = FarmEnumerationOrder(); });
    WindowList listed;
    for (const WindowList& kind : {WindowList{banana, cherry, apple}, {pageFolder, browser}})
      for (HWND window : offered)
        if (std::find(kind.begin(), kind.end(), window) != kind.end()) listed.push_back(window);
    expected = Titles(listed);
    expected.push_back(std::string(259, 'T'));
    return offered == before && FarmEnumerationOrder() == before &&
           tracked.items == RootWithWindows(expected);
  }));
  EXPECT_EQ(tracked.items, RootWithWindows(expected));
  ExpectKindSubmenus(tracked, {0, 2, 4});
}

// The item of `record` drawn as the menu draws it, at `rect` of a white
// picture; the item's pixels.
std::vector<uint32_t> DrawnItem(const MenuItemData* record, const RECT& rect) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = rect.right;
  info.bmiHeader.biHeight = -rect.bottom;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const UniqueGdiObject picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  const SelectedObject selected(dc.Get(), picture.Get());
  PatBlt(dc.Get(), 0, 0, rect.right, rect.bottom, WHITENESS);
  DRAWITEMSTRUCT request{};
  request.CtlType = ODT_MENU;
  request.itemID = static_cast<UINT>(record->nID);
  request.itemAction = ODA_DRAWENTIRE;
  request.hDC = dc.Get();
  request.rcItem = rect;
  request.itemData = reinterpret_cast<ULONG_PTR>(record);
  LRESULT result = 0;
  g_host->OnMenuMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request), result);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> item;
  for (int y = rect.top; y < rect.bottom; ++y)
    item.insert(item.end(), pixels + y * rect.right, pixels + (y + 1) * rect.right);
  return item;
}

int MeasuredHeight(const MenuItemData* record) {
  MEASUREITEMSTRUCT request{};
  request.CtlType = ODT_MENU;
  request.itemID = static_cast<UINT>(record->nID);
  request.itemData = reinterpret_cast<ULONG_PTR>(record);
  LRESULT result = 0;
  g_host->OnMenuMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request), result);
  return static_cast<int>(request.itemHeight);
}

// With large icons, a root whose last item ends below the screen asks
// whether to switch to small ones. A Yes switches the settings, yet the
// menu on screen goes on drawing in the look it opened with; the next menu
// opens with small icons.
TEST_F(PouchWindowsTest, AYesToTheTooLongQuestionWaitsForTheNextMenu) {
  Settings().DisplayMenuLargeIcon = 1;
  const int screenHeight = GetSystemMetrics(SM_CYFULLSCREEN);
  std::vector<std::vector<uint32_t>> window;  // drawn before and after the answer
  int heightBefore = 0;
  Show([&] {
    const MenuItemList& items = g_host->Open()->Items();
    const MenuItemData* first = items.Find(menu_id::kPouchWindowFirst);
    ASSERT_TRUE(first);
    heightBefore = MeasuredHeight(first);
    window.push_back(DrawnItem(first, {0, 10, 300, 10 + heightBefore}));
    std::thread answer([] {
      HWND box = nullptr;
      if (WaitUntil([&] { return (box = FindWindowA("#32770", STOWPOUCH_PROGRAM_NAME)) != nullptr; }))
        PostMessageA(box, WM_COMMAND, IDYES, 0);
    });
    DrawnItem(items.Find(items.LastRootItemId()), {0, screenHeight - 20, 300, screenHeight + 11});
    answer.join();
    window.push_back(DrawnItem(first, {0, 10, 300, 10 + heightBefore}));
  });
  EXPECT_EQ(Settings().DisplayMenuLargeIcon, 0) << "no question, or not answered Yes";
  ASSERT_EQ(window.size(), 2u);
  EXPECT_TRUE(window[0] == window[1]) << "the open menu changed its look";
  int heightAfter = 0;
  Show([&] { heightAfter = MeasuredHeight(g_host->Open()->Items().Find(menu_id::kPouchWindowFirst)); });
  EXPECT_LT(heightAfter, heightBefore);
}

}  // namespace
}  // namespace windows_test
