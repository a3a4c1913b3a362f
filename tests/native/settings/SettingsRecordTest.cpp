#include "settings/SettingsRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The registry value names are shared with the taskbar filter and with
// every stored settings key, so they must be exactly these, in this order.
TEST(SettingsRecord, ValueNamesInReadOrder) {
  std::vector<std::string> names;
  for (const SettingsNumber& number : kKindNumbers) names.push_back(number.name);
  names.push_back(kUserAppCaptionValue);
  names.push_back(kUserClassNameValue);
  for (const SettingsNumber& number : kOptionNumbers) names.push_back(number.name);
  const std::vector<std::string> expected = {
      "Explorer", "IExplorer", "Folder", "UserAppCaption", "UserClassName", "QueryHide",
      "QueryQuit", "DisplayCloseAll", "DisplayMinimizeAll", "DisplayDrive",
      "DisplayFolderHistory", "MenuPosAppBar", "MenuPosStartButton", "MenuPosTray",
      "MenuPosHotKey", "IndexFunctionKey", "IndexVirtualKey", "SortMenuItem", "FunctionCommand",
      "DesktopIcon", "MenuPosDesktop", "MenuPosDesktopLeft", "MenuPosDesktopRight",
      "MenuPosDesktopTop", "MenuPosDesktopBottom", "DisplayCDROM", "DisplayFixed",
      "DisplayRemote", "DisplayRemovable", "DisplayHistoryFolder", "DisplayHistoryIExplorer",
      "DisplayMenuLargeIcon", "DIsplayMenuIcons", "DisplayMenuLogo", "Use256ColorsIcon",
      "HideStartup"};
  EXPECT_EQ(names, expected);
}

TEST(SettingsRecord, EveryNumberHasItsOwnField) {
  std::vector<int32_t SettingsRecord::*> fields;
  for (const SettingsNumber& number : kKindNumbers) fields.push_back(number.field);
  for (const SettingsNumber& number : kOptionNumbers) fields.push_back(number.field);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    EXPECT_FALSE(fields[i] == &SettingsRecord::Netscape) << "the Netscape flag is never stored";
    for (std::size_t j = i + 1; j < fields.size(); ++j)
      EXPECT_FALSE(fields[i] == fields[j]) << "entries " << i << " and " << j;
  }
}

TEST(SettingsRecord, DefaultsWithoutAnyStoredValue) {
  const SettingsRecord record;
  // The pouch takes folders, Explorer and browser windows, never the
  // fourth kind, and no user-defined application.
  EXPECT_EQ(record.Folder, 1);
  EXPECT_EQ(record.Explorer, 1);
  EXPECT_EQ(record.IExplorer, 1);
  EXPECT_EQ(record.Netscape, 0);
  EXPECT_TRUE(record.UserAppCaption.empty());
  EXPECT_TRUE(record.UserClassName.empty());
  // Windows key + Q, tray, Quick Launch and every desktop edge.
  EXPECT_EQ(record.MenuPosHotKey, 1);
  EXPECT_EQ(record.IndexFunctionKey, 0);
  EXPECT_EQ(record.IndexVirtualKey, 'Q');
  EXPECT_EQ(record.MenuPosTray, 1);
  EXPECT_EQ(record.MenuPosAppBar, 1);
  EXPECT_EQ(record.MenuPosDesktop + record.MenuPosDesktopLeft + record.MenuPosDesktopRight +
                record.MenuPosDesktopTop + record.MenuPosDesktopBottom,
            5);
  // Removable drives are left out; both confirmations are asked.
  EXPECT_EQ(record.DisplayRemovable, 0);
  EXPECT_EQ(record.QueryHide, 0);
  EXPECT_EQ(record.QueryQuit, 0);
  EXPECT_EQ(record.HideStartup, 0);
  EXPECT_EQ(record.Use256ColorsIcon, 1);
}

TEST(MenuHotKeyModifier, MapsTheThreeChoicesAndFallsBackToWin) {
  EXPECT_EQ(MenuHotKeyModifier(0), 8u);
  EXPECT_EQ(MenuHotKeyModifier(1), 2u);
  EXPECT_EQ(MenuHotKeyModifier(2), 1u);
  // Never the bare key, which would take it away from every program.
  EXPECT_EQ(MenuHotKeyModifier(3), 8u);
  EXPECT_EQ(MenuHotKeyModifier(-1), 8u);
}

}  // namespace
