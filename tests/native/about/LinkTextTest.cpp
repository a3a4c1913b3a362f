#include "about/LinkText.h"

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

TEST(HyperlinkErrorTextTest, DescribesKnownResultsAndNumbersTheRest) {
  EXPECT_EQ(HyperlinkErrorText(31),
            "Unable to open hyperlink:\n\nThere is no application associated\n"
            "with the given filename extension.");
  EXPECT_EQ(HyperlinkErrorText(26), "Unable to open hyperlink:\n\nA sharing violation occurred. ");
  EXPECT_EQ(HyperlinkErrorText(0),
            "Unable to open hyperlink:\n\nThe operating system is out\nof memory or resources.");
  EXPECT_EQ(HyperlinkErrorText(4), "Unable to open hyperlink:\n\nUnknown Error (4) occurred.");
  EXPECT_EQ(HyperlinkErrorText(33), "Unable to open hyperlink:\n\nUnknown Error (33) occurred.");
}
