#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "menu/PouchMenuSections.h"
#include "menu/MenuIds.h"
#include "menu/Shortcut.h"
#include "tests/wine/menu/MenuTestSupport.h"
#include "windows/ShellFolders.h"

namespace {

namespace fs = std::filesystem;
using menu_test::ItemAt;

constexpr char kIconFile[] = "C:\\windows\\system32\\shell32.dll";

// A scratch folder as the desktop folder, given without the final
// backslash.
class DesktopEntriesTest : public menu_test::MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    root_ = fs::temp_directory_path() /
            ("stowpouch-desktop-" + std::to_string(GetCurrentProcessId()) + "-" +
             testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(Desktop());
    previousDesktop_ = DesktopFolderPath();
    SetDesktopFolderPath(Desktop().string());
  }
  void TearDown() override {
    SetDesktopFolderPath(previousDesktop_);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
    MenuTest::TearDown();
  }

  fs::path Desktop() const { return root_ / "Desktop"; }
  fs::path Target() const { return root_ / "Long Target Document.txt"; }

  static void WriteFile(const fs::path& file, const std::string& bytes = "x") {
    std::ofstream(file, std::ios::binary) << bytes;
  }

  // A shortcut to the target naming an icon, made as the shell makes them.
  void MakeShortcut(const fs::path& file, int iconIndex) const {
    ComPtr<IShellLinkA> link;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IShellLinkA, link.Receive())));
    ASSERT_TRUE(SUCCEEDED(link->SetPath(Target().string().c_str())));
    ASSERT_TRUE(SUCCEEDED(link->SetIconLocation(kIconFile, iconIndex)));
    ComPtr<IPersistFile> persist;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, persist.Receive())));
    ASSERT_TRUE(SUCCEEDED(persist->Save(file.wstring().c_str(), TRUE)));
  }

  std::string ShortTarget() const {
    char shortPath[MAX_PATH] = "";
    EXPECT_GT(GetShortPathNameA(Target().string().c_str(), shortPath, MAX_PATH), 0u);
    return shortPath;
  }

  // Builds the submenu and checks every item: owner-drawn, identifiers in
  // order, the data the record of that identifier. The records by text.
  std::map<std::string, const MenuItemData*> Build(int expectedEntries) {
    std::map<std::string, const MenuItemData*> byText;
    const UniqueMenu menu(CreatePopupMenu());
    EXPECT_TRUE(menu);
    FillDesktopSubmenu(items_, menu.Get());
    EXPECT_EQ(GetMenuItemCount(menu.Get()), 4 + expectedEntries);
    for (int position = 0; position < GetMenuItemCount(menu.Get()); ++position) {
      const menu_test::ItemSeen item = ItemAt(menu.Get(), position);
      EXPECT_EQ(item.id, static_cast<UINT>(menu_id::kDesktopFolder + position));
      EXPECT_TRUE(item.ownerDrawn);
      EXPECT_TRUE(item.record && item.record == items_.Find(item.record->nID));
      if (item.record) byText[item.record->szText] = item.record;
    }
    return byText;
  }

  fs::path root_;
  std::string previousDesktop_;
};

TEST_F(DesktopEntriesTest, EntriesAndShortcutsAreListed) {
  WriteFile(Target());
  MakeShortcut(Desktop() / "Notes.lnk", 3);
  MakeShortcut(Desktop() / "Setup.LNK", 7);
  WriteFile(Desktop() / "Notes.txt");
  fs::create_directory(Desktop() / "Sub Folder");
  WriteFile(Desktop() / "Broken.lnk", "not a shortcut");

  auto items = Build(5);
  ASSERT_EQ(items.size(), 9u);
  ASSERT_EQ(items.count("Desktop Folder"), 1u);
  EXPECT_STREQ(items["Desktop Folder"]->szPath, "");  // the shell's desktop, no directory
  for (int32_t id = menu_id::kMyComputer; id <= menu_id::kRecycleBin; ++id)
    EXPECT_STRNE(items_.Find(id)->szText, "") << id;

  const std::string desktop = Desktop().string() + "\\";
  for (const auto& [name, index] : {std::pair<std::string, int>{"Notes", 3}, {"Setup", 7}}) {
    ASSERT_EQ(items.count(name), 1u) << name;
    EXPECT_EQ(lstrcmpiA(items[name]->szPath, ShortTarget().c_str()), 0) << items[name]->szPath;
    EXPECT_STREQ(items[name]->szIconPath, kIconFile);
    EXPECT_EQ(items[name]->nIconIndex, index);
  }
  ASSERT_EQ(items.count("Notes.txt"), 1u);
  EXPECT_EQ(items["Notes.txt"]->szPath, desktop + "Notes.txt");
  ASSERT_EQ(items.count("Sub Folder"), 1u);
  EXPECT_EQ(items["Sub Folder"]->szPath, desktop + "Sub Folder");
  ASSERT_EQ(items.count("Broken"), 1u);
  EXPECT_STREQ(items["Broken"]->szPath, "");
  EXPECT_STREQ(items["Broken"]->szIconPath, "");
}

TEST_F(DesktopEntriesTest, EntriesBeyondTheIdentifierRangeAreLeftOut) {
  for (int i = 0; i < 100; ++i) WriteFile(Desktop() / ("file" + std::to_string(i) + ".txt"));
  Build(menu_id::kDesktopItemCount);
}

TEST_F(DesktopEntriesTest, MissingDesktopFolderLeavesTheFixedItems) {
  SetDesktopFolderPath((root_ / "gone").string());
  Build(0);
}

TEST_F(DesktopEntriesTest, UnloadableShortcutLeavesTheInfoAlone) {
  WriteFile(Desktop() / "Broken.lnk", "not a shortcut");
  ShortcutInfo info;
  info.targetPath = "kept";
  EXPECT_TRUE(FAILED(ResolveShortcut((Desktop() / "Broken.lnk").string(), info)));
  EXPECT_EQ(info.targetPath, "kept");
}

}  // namespace
