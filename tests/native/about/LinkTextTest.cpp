#include "about/LinkText.h"

#include <gtest/gtest.h>

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
