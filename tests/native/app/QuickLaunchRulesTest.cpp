// Where the Quick Launch shortcut goes, and when it is made or deleted.
#include "app/QuickLaunchRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(QuickLaunchRules, PlaceUnderTheApplicationDataFolder) {
  const auto place = QuickLaunchPlaceFor("C:\\Users\\ann\\AppData");
  ASSERT_TRUE(place.has_value());
  EXPECT_EQ("C:\\Users\\ann\\AppData\\Microsoft\\Internet Explorer\\Quick Launch", place->folder);
  EXPECT_EQ(place->folder + "\\StowpouchQL.lnk", place->link);
  EXPECT_FALSE(QuickLaunchPlaceFor("").has_value());
}

TEST(QuickLaunchRules, APathThatWouldNotFitGivesNoPlace) {
  // The shortcut's path with its terminator takes 260 characters at most.
  const std::size_t tail = QuickLaunchPlaceFor("C:")->link.size() - 2;
  EXPECT_TRUE(QuickLaunchPlaceFor("C:" + std::string(259 - tail - 2, 'a')).has_value());
  EXPECT_FALSE(QuickLaunchPlaceFor("C:" + std::string(260 - tail - 2, 'a')).has_value());
}

TEST(QuickLaunchRules, DartletSitsBesideTheProgram) {
  EXPECT_EQ("C:\\Tools\\Stowpouch\\Dartlet.exe", DartletPathBeside("C:\\Tools\\Stowpouch\\Stowpouch.exe"));
  EXPECT_EQ("Dartlet.exe", DartletPathBeside("Stowpouch.exe"));
}

TEST(QuickLaunchRules, AnExistingShortcutIsNeverRewritten) {
  EXPECT_EQ(QuickLaunchChange::kCreate, QuickLaunchChangeFor(1, false));
  EXPECT_EQ(QuickLaunchChange::kNone, QuickLaunchChangeFor(1, true));
  EXPECT_EQ(QuickLaunchChange::kDelete, QuickLaunchChangeFor(0, true));
  EXPECT_EQ(QuickLaunchChange::kNone, QuickLaunchChangeFor(0, false));
  EXPECT_EQ(QuickLaunchChange::kDelete, QuickLaunchChangeFor(2, true));
}

}  // namespace
