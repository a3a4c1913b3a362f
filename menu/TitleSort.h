#pragma once
// Sorting the pouch windows of one kind by title, their handles kept beside
// their titles. The comparison is the caller's: the program compares as the
// system does for the user's language, without regard to case.
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Negative, zero or positive as a sorts before, with or after b.
using TitleCompare = std::function<int(const std::string& a, const std::string& b)>;
// Called for every exchange of two titles, so a parallel list can follow.
using ExchangeObserver = std::function<void(std::size_t a, std::size_t b)>;

// In-place quicksort, ascending; equal titles keep no particular order.
void SortTitles(std::vector<std::string>& titles, const TitleCompare& compare,
                const ExchangeObserver& exchanged);

// Sorts the titles and moves each handle with its title. Lists of different
// lengths are left as they are.
template <typename Handle>
void SortWindowTitles(std::vector<std::string>& titles, std::vector<Handle>& handles,
                      const TitleCompare& compare) {
  if (titles.size() != handles.size()) return;
  SortTitles(titles, compare,
             [&handles](std::size_t a, std::size_t b) { std::swap(handles[a], handles[b]); });
}
