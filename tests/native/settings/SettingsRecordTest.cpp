#include "settings/SettingsRecord.h"

#include <gtest/gtest.h>

#include "app/LaunchRequests.h"
#include "hotkeys/HotKeyText.h"
#include "windows/PouchRules.h"

namespace {

// What the menu hotkey shows as, for a record's two hotkey fields.
std::string MenuHotKeyText(const SettingsRecord& record) {
  return GetHotKeyText(static_cast<int32_t>(MenuHotKeyModifier(record.IndexFunctionKey)),
                       record.IndexVirtualKey, true);
}

// The values stored by name, the never-written Netscape flag included, are
// checked against the real registry by the Wine settings tests; these are the
// defaults whose effects the neutral code shows.
TEST(SettingsRecordDefaults, OpenTheMenuWithWinQFromEveryEdgeAndQuickLaunch) {
  const SettingsRecord record;
  EXPECT_EQ(MenuHotKeyText(record), "Win+ Q");
  EXPECT_EQ(PouchSurfaceForMessage(101, record), kSurfaceQuickLaunch);
  for (int edge = 200; edge <= 203; ++edge)
    EXPECT_EQ(PouchSurfaceForMessage(static_cast<uintptr_t>(edge), record), edge);
}

TEST(SettingsRecordDefaults, PouchTakesFoldersExplorersAndBrowsersOnly) {
  const SettingsRecord record;
  const BuiltInClassNames builtIn{"CabinetWClass", "ExploreWClass", "IEFRAME", "Netscape frame"};
  EXPECT_EQ(PouchClassNames(record, builtIn),
            (ClassNameList{"CabinetWClass", "ExploreWClass", "IEFRAME"}));
  EXPECT_EQ(PouchKindOfMatch(WindowKind::Folder, FrameContent::kFolder, record),
            static_cast<int>(WindowKind::Folder));
  EXPECT_EQ(PouchKindOfMatch(WindowKind::Explorer, FrameContent::kNotAFrame, record),
            static_cast<int>(WindowKind::Explorer));
  EXPECT_EQ(PouchKindOfMatch(WindowKind::InternetExplorer, FrameContent::kDocument, record),
            static_cast<int>(WindowKind::InternetExplorer));
}

TEST(MenuHotKeyModifier, TheThreeChoicesAndWinForAnythingElse) {
  SettingsRecord record;
  record.IndexVirtualKey = 'K';
  const std::pair<int32_t, const char*> cases[] = {
      {0, "Win+ K"}, {1, "Ctrl+ K"}, {2, "Alt+ K"},
      // Never the bare key, which would take it away from every program.
      {3, "Win+ K"}, {-1, "Win+ K"}};
  for (const auto& [index, text] : cases) {
    record.IndexFunctionKey = index;
    EXPECT_EQ(MenuHotKeyText(record), text) << "IndexFunctionKey " << index;
  }
}

}  // namespace
