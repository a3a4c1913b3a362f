#include <string>

#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyText.h"
#include "menu/DiskFreeSpace.h"
#include "menu/PouchMenuSections.h"
#include "menu/MenuIds.h"
#include "tests/wine/menu/MenuTestSupport.h"

namespace {

using menu_test::ItemAt;

class DriveEntriesTest : public menu_test::MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    LookUpDiskFreeSpaceEx();
    ASSERT_NE(DiskFreeSpaceEx(), nullptr);
    ASSERT_TRUE(menu_);
  }
  void TearDown() override {
    HotKeyList().clear();
    MenuTest::TearDown();
  }

  const MenuItemData& Append(char letter, HFONT font = nullptr) {
    const int position = GetMenuItemCount(menu_.Get());
    EXPECT_TRUE(AppendDriveItem(items_, menu_.Get(), letter, font, kBarWidth, FindFolderHotKeyText));
    const menu_test::ItemSeen item = ItemAt(menu_.Get(), position);
    EXPECT_EQ(item.id, static_cast<UINT>(menu_id::kDriveBase + letter));
    EXPECT_TRUE(item.ownerDrawn);
    EXPECT_EQ(item.record, items_.Back());
    static const MenuItemData none{};
    return item.record ? *item.record : none;
  }

  static constexpr int kBarWidth = 50;
  UniqueMenu menu_{CreatePopupMenu()};
};

int BlankWidth(HFONT font) {
  const ScreenDC screen;
  const SelectedObject selected(screen.Get(), font ? font : GetStockObject(SYSTEM_FONT));
  SIZE size{};
  GetTextExtentPoint32A(screen.Get(), " ", 1, &size);
  return size.cx;
}

// The amount the platform's byte count stands for: 1 MB counts 1, 1 GB 1000.
double ExpectedAmount(ULONGLONG bytes) {
  const double gigabytes = static_cast<double>(bytes) / (1024.0 * 1024 * 1024);
  return gigabytes >= 1 ? gigabytes * 1000 : static_cast<double>(bytes) / (1024.0 * 1024);
}

std::size_t TrailingBlanks(const std::string& text) {
  return text.size() - 1 - text.find_last_not_of(' ');
}

TEST_F(DriveEntriesTest, BenchDrivesShowTheirFreeSpaceAndSize) {
  for (const char letter : {'C', 'D', 'Z'}) {
    SCOPED_TRACE(letter);
    const MenuItemData& record = Append(letter);
    const std::string root = std::string(1, letter) + ":\\";
    ULARGE_INTEGER available{}, total{}, free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free));

    const std::string text = record.szText;
    EXPECT_EQ(text.rfind(std::string(1, letter) + " Drive(", 0), 0u) << text;
    EXPECT_NE(text.find("B free)"), std::string::npos) << text;
    EXPECT_EQ(TrailingBlanks(text), static_cast<std::size_t>(kBarWidth / BlankWidth(nullptr) + 3))
        << text;
    // The display keeps three significant digits; other programs write to
    // the same disk meanwhile.
    EXPECT_NEAR(record.nFreeMB, ExpectedAmount(free.QuadPart), ExpectedAmount(free.QuadPart) / 50 + 2);
    EXPECT_NEAR(record.nTotalMB, ExpectedAmount(total.QuadPart), ExpectedAmount(total.QuadPart) / 100 + 1);
    EXPECT_GT(record.nTotalMB, 0);
  }
}

TEST_F(DriveEntriesTest, PaddingIsMeasuredInTheMenuFont) {
  const UniqueGdiObject wide(CreateFontA(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                         0, "Tahoma"));
  const HFONT font = static_cast<HFONT>(wide.Get());
  ASSERT_NE(BlankWidth(font), BlankWidth(nullptr));
  EXPECT_EQ(TrailingBlanks(Append('C', font).szText),
            static_cast<std::size_t>(kBarWidth / BlankWidth(font) + 3));
}

TEST_F(DriveEntriesTest, UnreadableDriveIsListedWithoutSpace) {
  // Q is no drive of the bench prefix. The caller's error mode comes back.
  const UINT previousMode = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  const MenuItemData& record = Append('Q');
  EXPECT_EQ(GetErrorMode(), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
  SetErrorMode(previousMode);
  EXPECT_STREQ(record.szText, "Q Drive");
  EXPECT_EQ(record.nFreeMB, -1);
  EXPECT_EQ(record.nTotalMB, 0);
}

TEST_F(DriveEntriesTest, DriveWithAShortcutKeyShowsItAfterThePadding) {
  CHotKeyItem folder;
  folder.m_strCommand = "D:\\";
  folder.m_nModifiers = kModifierControl | kModifierAlt;
  folder.m_nVirtualKey = 'D';
  HotKeyList().push_back(folder);
  const std::string key = GetHotKeyText(folder, true);
  ASSERT_FALSE(key.empty());

  const std::string text = Append('D').szText;
  const std::size_t tab = text.find('\t');
  ASSERT_NE(tab, std::string::npos) << text;
  EXPECT_EQ(text.substr(tab + 1), key);
  EXPECT_EQ(TrailingBlanks(text.substr(0, tab)),
            static_cast<std::size_t>(kBarWidth / BlankWidth(nullptr) + 3));
  // The blanks only make room for the bar: a screen reader is spared them.
  char string[MAX_PATH] = "";
  GetMenuStringA(menu_.Get(), 0, string, sizeof string, MF_BYPOSITION);
  const std::string label = text.substr(0, tab);
  EXPECT_EQ(string, label.substr(0, label.find_last_not_of(' ') + 1) + text.substr(tab));
  EXPECT_EQ(std::string(Append('C').szText).find('\t'), std::string::npos);
}

}  // namespace
