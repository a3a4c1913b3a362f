#include "app/LaunchRequests.h"

#include <gtest/gtest.h>

#include <utility>

#include "app/CommandLine.h"
#include "settings/SettingsRecord.h"

namespace {

TEST(IsHideOption, OnlyTheExactOptionInAnyCase) {
  EXPECT_TRUE(IsHideOption("/hide"));
  EXPECT_TRUE(IsHideOption("/HIDE"));
  EXPECT_TRUE(IsHideOption("/HiDe"));
  EXPECT_FALSE(IsHideOption("-hide"));
  EXPECT_FALSE(IsHideOption("/hide now"));
  EXPECT_FALSE(IsHideOption("/hide "));
  EXPECT_FALSE(IsHideOption(" /hide"));
  EXPECT_FALSE(IsHideOption("/hid"));
  EXPECT_FALSE(IsHideOption(""));
  EXPECT_FALSE(IsHideOption(nullptr));
}

TEST(IsCloseOption, OnlyTheExactOptionInAnyCase) {
  EXPECT_TRUE(IsCloseOption("/close"));
  EXPECT_TRUE(IsCloseOption("/CLOSE"));
  EXPECT_FALSE(IsCloseOption("/close "));
  EXPECT_FALSE(IsCloseOption("/clos"));
  EXPECT_FALSE(IsCloseOption("/hide"));
  EXPECT_FALSE(IsCloseOption(nullptr));
  EXPECT_FALSE(IsHideOption("/close"));
}

TEST(PouchSurfaceForMessage, QuickLaunchAlwaysOpensTheMenu) {
  SettingsRecord settings;
  settings.MenuPosDesktop = 0;
  EXPECT_EQ(PouchSurfaceForMessage(101, settings), kSurfaceQuickLaunch);
}

TEST(PouchSurfaceForMessage, EachEdgeFollowsItsOwnSwitch) {
  int32_t SettingsRecord::*const edgeSwitch[] = {
      &SettingsRecord::MenuPosDesktopLeft, &SettingsRecord::MenuPosDesktopRight,
      &SettingsRecord::MenuPosDesktopTop, &SettingsRecord::MenuPosDesktopBottom};
  for (int edge = 0; edge < 4; ++edge) {
    const uintptr_t code = 200 + static_cast<uintptr_t>(edge);
    SettingsRecord settings;
    EXPECT_EQ(PouchSurfaceForMessage(code, settings), 200 + edge);
    settings.*edgeSwitch[edge] = 0;
    EXPECT_EQ(PouchSurfaceForMessage(code, settings), 0) << "edge " << code << " switched off";
    // The other edges stay live.
    EXPECT_EQ(PouchSurfaceForMessage(200 + static_cast<uintptr_t>((edge + 1) % 4), settings),
              200 + (edge + 1) % 4);
  }
}

TEST(PouchSurfaceForMessage, EdgesNeedTheMasterSwitchAtExactlyOne) {
  SettingsRecord settings;
  settings.MenuPosDesktop = 0;
  EXPECT_EQ(PouchSurfaceForMessage(200, settings), 0);
  settings.MenuPosDesktop = 2;  // only 1 counts as on
  EXPECT_EQ(PouchSurfaceForMessage(203, settings), 0);
  settings.MenuPosDesktop = 1;
  settings.MenuPosDesktopTop = 7;
  EXPECT_EQ(PouchSurfaceForMessage(202, settings), 0);
}

TEST(PouchSurfaceForMessage, OtherCodesAskForNothing) {
  const SettingsRecord settings;
  for (uintptr_t code : {0u, 1u, 100u, 102u, 199u, 204u, 0x10000u + 200u})
    EXPECT_EQ(PouchSurfaceForMessage(code, settings), 0) << code;
}

TEST(EdgeClickPoint, HalvesAreSignedForMonitorsLeftOfOrAboveThePrimary) {
  // Packed as the sender's MAKELPARAM packs them: each half keeps its low 16 bits.
  auto pack = [](int x, int y) {
    return static_cast<intptr_t>((static_cast<uint32_t>(x) & 0xFFFFu) |
                                 (static_cast<uint32_t>(y) & 0xFFFFu) << 16);
  };
  const std::pair<int, int> points[] = {{0, 0},        {1023, 767},   {-1, -1},
                                        {-1280, 300}, {500, -1024}, {32767, -32768}};
  for (const auto& [x, y] : points) {
    const ScreenPoint point = EdgeClickPoint(pack(x, y));
    EXPECT_EQ(x, point.x) << x << "," << y;
    EXPECT_EQ(y, point.y) << x << "," << y;
  }
}

TEST(SystemHotKeyActionFor, WindowsKeyWithM) {
  auto lParam = [](unsigned modifiers, unsigned key) {
    return static_cast<intptr_t>(modifiers | key << 16);
  };
  EXPECT_EQ(SystemHotKeyActionFor(lParam(8, 77)), SystemHotKeyAction::kMinimizePouch);
  EXPECT_EQ(SystemHotKeyActionFor(lParam(12, 77)), SystemHotKeyAction::kRestorePouch);
  EXPECT_EQ(SystemHotKeyActionFor(lParam(10, 77)), SystemHotKeyAction::kNone);
  EXPECT_EQ(SystemHotKeyActionFor(lParam(8, 78)), SystemHotKeyAction::kNone);
  EXPECT_EQ(SystemHotKeyActionFor(lParam(4, 77)), SystemHotKeyAction::kNone);
  EXPECT_EQ(SystemHotKeyActionFor(lParam(0, 0)), SystemHotKeyAction::kNone);
}

}  // namespace
