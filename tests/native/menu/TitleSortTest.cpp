#include "menu/TitleSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <random>

namespace {

int CompareIgnoringCase(const std::string& a, const std::string& b) {
  std::string x = a, y = b;
  for (std::string* s : {&x, &y})
    for (char& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return x.compare(y);
}

// Handles name each title's first position: after the sort, every handle
// must still sit beside its title, none lost, and the titles be in order.
void ExpectSortedWithHandles(const std::vector<std::string>& original) {
  std::vector<std::string> titles = original;
  std::vector<std::size_t> handles(titles.size());
  std::iota(handles.begin(), handles.end(), std::size_t{0});
  SortWindowTitles(titles, handles, CompareIgnoringCase);
  for (std::size_t k = 0; k < titles.size(); ++k) {
    ASSERT_EQ(titles[k], original[handles[k]]) << "handle left its title at " << k;
    if (k > 0) {
      ASSERT_LE(CompareIgnoringCase(titles[k - 1], titles[k]), 0) << "order at " << k;
    }
  }
  std::sort(handles.begin(), handles.end());
  ASSERT_TRUE(std::adjacent_find(handles.begin(), handles.end()) == handles.end());
}

TEST(SortWindowTitles, EveryOrderOfUpToSevenTitlesWithDuplicatesAndCaseVariants) {
  const std::vector<std::string> pool = {"banana", "Apple", "apple", "b", "BANANA", "", "apple"};
  for (std::size_t n = 0; n <= pool.size() && !HasFatalFailure(); ++n) {
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    do {
      std::vector<std::string> titles;
      for (std::size_t k : order) titles.push_back(pool[k]);
      ExpectSortedWithHandles(titles);
    } while (!HasFatalFailure() && std::next_permutation(order.begin(), order.end()));
  }
}

TEST(SortWindowTitles, RandomListsFromOneTwoAndSixLetters) {
  std::mt19937 random(20261207);
  for (std::size_t length = 0; length <= 100 && !HasFatalFailure(); ++length)
    for (unsigned letters : {1u, 2u, 6u}) {
      std::vector<std::string> titles(length);
      for (std::string& t : titles)
        for (unsigned c = random() % 4; c > 0; --c) t += "aAbBcC"[random() % letters];
      ExpectSortedWithHandles(titles);
    }
}

TEST(SortWindowTitles, ListsOfDifferentLengthsAreLeftAlone) {
  std::vector<std::string> titles = {"b", "a"};
  std::vector<int> handles = {1};
  SortWindowTitles(titles, handles, CompareIgnoringCase);
  EXPECT_EQ(titles, (std::vector<std::string>{"b", "a"}));
}

}  // namespace
