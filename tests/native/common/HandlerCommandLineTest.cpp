#include "common/HandlerCommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLineForTargetTest, CutsAtThePlaceholderAndDropsWhatFollows) {
  // Quoted: the cut falls on the opening quote, so the target goes in bare.
  EXPECT_EQ(CommandLineForTarget("\"C:\\web\\view.exe\" -nohome \"%1\" -new", "a.htm"),
            "\"C:\\web\\view.exe\" -nohome  a.htm");
  // A quoted placeholder wins over an earlier bare one.
  EXPECT_EQ(CommandLineForTarget("view.exe %1 \"%1\"", "a.htm"), "view.exe %1  a.htm");
  EXPECT_EQ(CommandLineForTarget("view.exe %1,%2", "a.htm"), "view.exe  a.htm");
  EXPECT_EQ(CommandLineForTarget("view.exe -dde", "a.htm"), "view.exe -dde a.htm");
}

TEST(CommandLineForTargetTest, QuotesATargetWithABlank) {
  EXPECT_EQ(CommandLineForTarget("view.exe \"%1\"", "C:\\Program Files\\Stowpouch\\help\\a.htm"),
            "view.exe  \"C:\\Program Files\\Stowpouch\\help\\a.htm\"");
}

TEST(CutAtPlaceholderTest, LeavesTheHandlerWithoutATarget) {
  EXPECT_EQ(CutAtPlaceholder("\"C:\\web\\view.exe\" \"%1\""), "\"C:\\web\\view.exe\" ");
  EXPECT_EQ(CutAtPlaceholder("view.exe"), "view.exe");
}
