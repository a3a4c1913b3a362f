#include "shellext/FilterRules.h"

#include <gtest/gtest.h>

#include <cctype>

#include "settings/SettingsRecord.h"

namespace {

const FilterClassNames kNames{"ExploreWClass", "CabinetWClass", "IEFrame"};

FilterSettingsValues Values(std::optional<int32_t> explorer, std::optional<int32_t> folder,
                            std::optional<int32_t> iexplorer,
                            std::optional<std::string> user = std::nullopt) {
  FilterSettingsValues values;
  values.explorer = explorer;
  values.folder = folder;
  values.iexplorer = iexplorer;
  values.userClassNames = user;
  values.userCaptions = user;  // one caption per class, as Stowpouch stores them
  return values;
}

TEST(ReloadFilterConfig, ExplorerByItsSwitchFramesAlwaysThenTheUserClasses) {
  TaskbarFilterConfig config;
  ReloadFilterConfig(Values(1, 1, 1, std::string("Notepad\x01\x01WordPad\x01tail")), kNames,
                     config);
  // An empty entry stays in the list (it matches no window); text after the
  // last separator is not an entry.
  EXPECT_EQ(config.classes,
            (StringList{"ExploreWClass", "IEFrame", "CabinetWClass", "Notepad", "", "WordPad"}));

  for (const std::optional<int32_t> explorer : {std::optional<int32_t>(0),
                                                std::optional<int32_t>(2), std::optional<int32_t>()}) {
    ReloadFilterConfig(Values(explorer, 1, 1), kNames, config);
    EXPECT_EQ(config.classes, (StringList{"IEFrame", "CabinetWClass"}));
  }
}

// Stowpouch keeps only whole pairs of caption and class; the filter must
// agree with it, or a window would leave the taskbar without being in the
// pouch.
TEST(ReloadFilterConfig, OnlyClassesWithACaptionAreFiltered) {
  TaskbarFilterConfig config;
  FilterSettingsValues values = Values(0, 1, 1, std::string("Notepad\x01WordPad\x01"));
  values.userCaptions = std::string("Untitled - Notepad\x01");
  ReloadFilterConfig(values, kNames, config);
  EXPECT_EQ(config.classes, (StringList{"IEFrame", "CabinetWClass", "Notepad"}));
  values.userCaptions.reset();
  ReloadFilterConfig(values, kNames, config);
  EXPECT_EQ(config.classes, (StringList{"IEFrame", "CabinetWClass"}));
}

// Thousands of reload requests in a shell's lifetime must not grow the list.
TEST(ReloadFilterConfig, EachReloadStartsTheListAfresh) {
  TaskbarFilterConfig config;
  for (int i = 0; i < 3; ++i)
    ReloadFilterConfig(Values(1, 1, 1, std::string("Notepad\x01")), kNames, config);
  EXPECT_EQ(config.classes.size(), 4u);
}

TEST(ReloadFilterConfig, ASwitchThatCannotBeReadKeepsItsValue) {
  TaskbarFilterConfig config;
  EXPECT_EQ(config.folderSwitch, 1);
  EXPECT_EQ(config.iexplorerSwitch, 1);
  ReloadFilterConfig(Values(1, 0, 7), kNames, config);
  EXPECT_EQ(config.folderSwitch, 0);
  EXPECT_EQ(config.iexplorerSwitch, 0);  // anything but 1 is off
  ReloadFilterConfig(Values(1, std::nullopt, 1), kNames, config);
  EXPECT_EQ(config.folderSwitch, 0);
  EXPECT_EQ(config.iexplorerSwitch, 1);
}

TEST(IsFilteredContent, AFrameFollowsTheSwitchOfWhatItShows) {
  TaskbarFilterConfig config;
  config.folderSwitch = 0;
  config.iexplorerSwitch = 1;
  // A folder frame showing a document counts as a browser, whatever
  // "Folder" says.
  EXPECT_TRUE(IsFilteredContent(FrameContent::kDocument, config));
  EXPECT_FALSE(IsFilteredContent(FrameContent::kFolder, config));
  EXPECT_TRUE(IsFilteredContent(FrameContent::kNotAFrame, config));
  EXPECT_TRUE(FilterNeedsFrameContent(config));

  config.folderSwitch = 1;
  config.iexplorerSwitch = 0;
  EXPECT_FALSE(IsFilteredContent(FrameContent::kDocument, config));
  EXPECT_TRUE(IsFilteredContent(FrameContent::kFolder, config));

  // With both on, what a frame shows cannot matter, so nobody searches it.
  config.iexplorerSwitch = 1;
  EXPECT_FALSE(FilterNeedsFrameContent(config));
}

// What Stowpouch takes off a taskbar without the filter is what the filter
// would swallow under the same record, and both are the pouch windows.
bool SameClass(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool Filtered(const TaskbarFilterConfig& config, const std::string& className,
              FrameContent content) {
  for (const std::string& name : config.classes)
    if (!className.empty() && SameClass(name, className)) return IsFilteredContent(content, config);
  return false;
}

bool InPouch(const SettingsRecord& record, const std::string& className, FrameContent content) {
  const BuiltInClassNames builtIn{"CabinetWClass", "ExploreWClass", "IEFRAME",
                                  "Afx:400000:b:10008:6:170420"};
  const KindClassLists kinds = KindClassNames(record, builtIn);
  for (std::size_t kind = 0; kind < kinds.size(); ++kind)
    for (const std::string& name : kinds[kind])
      if (SameClass(name, className))
        return PouchKindOfMatch(static_cast<WindowKind>(kind), content, record) >= 0;
  return false;
}

TEST(FilterSettingsOf, TheRecordFiltersExactlyItsPouchWindows) {
  const std::pair<const char*, FrameContent> windows[] = {
      {"CabinetWClass", FrameContent::kFolder},   {"CabinetWClass", FrameContent::kDocument},
      {"IEFRAME", FrameContent::kDocument},        {"IEFRAME", FrameContent::kFolder},
      {"ExploreWClass", FrameContent::kNotAFrame}, {"FarmNotepad", FrameContent::kNotAFrame},
      {"FarmApp", FrameContent::kNotAFrame},
      {"Afx:400000:b:10008:6:170420", FrameContent::kNotAFrame}};
  const StringList userLists[] = {{}, {"farmnotepad"}, {"CABINETWCLASS", "", "FarmNotepad"}};
  for (const int explorer : {0, 1, 2})
    for (const int folder : {0, 1, 2})
      for (const int iexplorer : {0, 1, 2})
        for (const StringList& users : userLists) {
          SettingsRecord record;
          record.Explorer = explorer;
          record.Folder = folder;
          record.IExplorer = iexplorer;
          record.UserClassName = users;
          record.UserAppCaption = StringList(users.size(), "Caption");
          TaskbarFilterConfig config;
          config.folderSwitch = 1 - (folder == 1);  // what an earlier reload left
          ReloadFilterConfig(FilterSettingsOf(record), kNames, config);
          for (const auto& [className, content] : windows)
            EXPECT_EQ(Filtered(config, className, content), InPouch(record, className, content))
                << className << " showing " << static_cast<int>(content) << ", Explorer "
                << explorer << ", Folder " << folder << ", IExplorer " << iexplorer << ", "
                << users.size() << " user classes";
        }
}

}  // namespace
