// Where the shortcut list lives: beside a portable copy, per user for a copy
// under any Program Files folder or in a start folder that takes no files.
#include "hotkeys/HotKeyFilePlace.h"

#include <gtest/gtest.h>

namespace {

TEST(HotKeyFilePlace, PathLiesUnderFolderIgnoresCaseAndTrailingSeparatorsButNotNames) {
  struct Case {
    const char* path;
    const char* folder;
    bool under;
  };
  const Case cases[] = {
      {"C:\\Program Files\\Stowpouch", "C:\\Program Files", true},
      {"c:\\program files\\stowpouch\\", "C:\\PROGRAM FILES\\", true},
      {"C:\\Program Files", "C:\\Program Files", true},
      {"C:\\Program Files (x86)\\Stowpouch", "C:\\Program Files", false},
      {"C:\\Program Files Extra", "C:\\Program Files", false},
      {"C:\\Program", "C:\\Program Files", false},
      {"D:\\Program Files\\Stowpouch", "C:\\Program Files", false},
      {"C:\\Tools", "", false},
      {"C:\\Tools", "\\", false},
  };
  for (const Case& c : cases) EXPECT_EQ(PathLiesUnder(c.path, c.folder), c.under) << c.path << " in " << c.folder;
}

TEST(HotKeyFilePlace, PerUserUnderAnyProgramFilesOrWhereNoFileCanBeMade) {
  HotKeyFileFacts facts;
  facts.startFolder = "C:\\Tools\\Stowpouch";
  facts.programFolder = "C:\\Tools\\Stowpouch";
  facts.programFilesFolders = {"C:\\Program Files", "C:\\Program Files (x86)"};
  facts.startFolderTakesFiles = true;
  EXPECT_FALSE(KeepsHotKeyFilePerUser(facts));  // portable
  facts.startFolderTakesFiles = false;
  EXPECT_TRUE(KeepsHotKeyFilePerUser(facts));

  facts.startFolderTakesFiles = true;  // Wine and virtualised systems let anyone write there
  facts.programFolder = "C:\\Program Files (x86)\\Stowpouch";
  EXPECT_TRUE(KeepsHotKeyFilePerUser(facts));
  facts.programFolder = "C:\\Tools\\Stowpouch";
  facts.startFolder = "C:\\Program Files\\Stowpouch";  // started there by a shortcut
  EXPECT_TRUE(KeepsHotKeyFilePerUser(facts));
}

}  // namespace
