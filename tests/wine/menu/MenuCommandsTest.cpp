// Carrying out a chosen pouch-menu item on farm windows: records fetched
// through the root menu and its submenus, and a listed window that is not
// the same window any more.
#include <windows.h>

#include <gtest/gtest.h>

#include "../windows/FarmWindows.h"
#include "framework/Handles.h"
#include "menu/MenuCommands.h"
#include "menu/MenuIds.h"
#include "menu/MenuItemData.h"

namespace windows_test {
namespace {

class MenuCommandsTest : public FarmTest {
 protected:
  void SetUp() override {
    FarmTest::SetUp();
    Switch(1, 1, 1);
    folder = Make(Spec("CabinetWClass", "Folder one"));
    minimizedFolder = Make(Spec("CabinetWClass", "Folder two", farm::ShowState::kMinimized));
    app = Make(Spec("FarmApp", "Application"));
    ASSERT_TRUE(folder && minimizedFolder && app);
    root.Reset(CreatePopupMenu());
    submenu = CreatePopupMenu();
    ASSERT_TRUE(items.AppendRootItem(root.Get(), items.NewRecord(menu_id::kFunctionEntry), submenu));
  }

  MenuItemData* AddWindowItem(int32_t id, HWND window) {
    MenuItemData* record = items.NewRecord(id);
    SetMenuWindow(*record, window);
    EXPECT_TRUE(items.AppendRootItem(root.Get(), record));
    return record;
  }

  HWND folder = nullptr, minimizedFolder = nullptr, app = nullptr;
  MenuItemList items;
  UniqueMenu root;
  HMENU submenu = nullptr;  // destroyed with the root
};

TEST_F(MenuCommandsTest, AListedWindowIsRestoredOnlyWhileItIsTheSameWindow) {
  AddWindowItem(menu_id::kPouchWindowFirst, minimizedFolder);
  MenuItemData* reused = AddWindowItem(menu_id::kPouchWindowFirst + 1, app);
  ShowWindow(app, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return Minimized(app); }));
  // As if the listed window had closed and its handle now named a window of
  // another thread.
  reused->nWindowThread += 1;

  ExecuteMenuCommand(root.Get(), menu_id::kPouchWindowFirst + 1);
  ExecuteMenuCommand(root.Get(), menu_id::kPouchWindowFirst);
  EXPECT_TRUE(WaitUntil([&] { return !Minimized(minimizedFolder); }));
  EXPECT_TRUE(Minimized(app));
}

TEST_F(MenuCommandsTest, CloseKindReachesMinimisedWindowsAndLeavesOtherKinds) {
  ExecuteMenuCommand(root.Get(), menu_id::kCloseKindFirst + 1);  // Explorer: none here
  ExecuteMenuCommand(root.Get(), 0);                             // nothing chosen
  ExecuteMenuCommand(root.Get(), menu_id::kFunctionEntry);       // the entry itself
  ASSERT_TRUE(IsWindow(folder) && IsWindow(minimizedFolder));
  ExecuteMenuCommand(root.Get(), menu_id::kCloseKindFirst);  // Folder
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(folder) && !IsWindow(minimizedFolder); }));
  EXPECT_TRUE(IsWindow(app));
}

TEST_F(MenuCommandsTest, AFunctionItemInsideASubmenuIsFoundAndRun) {
  MenuItemData* minimizeAll = items.NewRecord(menu_id::kFunctionItemFirst);
  minimizeAll->nFunction = 9;  // minimise or restore every pouch window
  ASSERT_TRUE(AppendOwnerDrawnItem(submenu, minimizeAll));
  EXPECT_EQ(FetchMenuItemRecord(root.Get(), menu_id::kFunctionItemFirst), minimizeAll);

  ExecuteMenuCommand(root.Get(), menu_id::kFunctionItemFirst);
  EXPECT_TRUE(WaitUntil([&] { return Minimized(folder); }));
  EXPECT_FALSE(Minimized(app));
  ExecuteMenuCommand(root.Get(), menu_id::kFunctionItemFirst);
  EXPECT_TRUE(WaitUntil([&] { return !Minimized(folder); }));
}

}  // namespace
}  // namespace windows_test
