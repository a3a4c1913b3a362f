#include "menu/MenuCharMatch.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuCharMatch, NextMatchAfterTheSelectionWrappingRound) {
  // Root menu texts; separators are empty.
  const std::vector<std::string> texts = {"Desktop Icons", "", "Function Command", "",
                                          "C:  [3 GB]", "D:  [1 GB]", "", "docs", "Drafts"};
  const struct {
    int selected;
    char typed;
    int expected;
  } cases[] = {
      {-1, 'd', 0}, {0, 'd', 5}, {5, 'D', 7}, {7, 'd', 8}, {8, 'd', 0},  // case ignored, wraps
      {4, 'c', 4},  {2, 'F', 2},                                          // round to itself
      {-1, 'x', -1}, {-1, '\0', -1}, {42, 'c', 4}, {-7, 'D', 0},         // none; odd selections
  };
  for (const auto& c : cases)
    EXPECT_EQ(MenuCharMatch(texts, c.selected, c.typed), c.expected)
        << "selected " << c.selected << " typed " << static_cast<int>(c.typed);
  EXPECT_EQ(MenuCharMatch({}, -1, 'a'), -1);
  EXPECT_EQ(CountMenuCharMatches(texts, 'D'), 4);
  EXPECT_EQ(CountMenuCharMatches(texts, 'f'), 1);
  EXPECT_EQ(CountMenuCharMatches(texts, '\0'), 0);
}

}  // namespace
