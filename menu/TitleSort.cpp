#include "menu/TitleSort.h"

namespace {

struct TitleRange {
  std::vector<std::string>& titles;
  const TitleCompare& compare;
  const ExchangeObserver& exchanged;

  void Exchange(std::size_t a, std::size_t b) {
    titles[a].swap(titles[b]);
    exchanged(a, b);
  }

  // Partitions [first, last] around the title at first. On return the titles
  // of [first, j] are not above those of [i, last], with i > j or i == j ==
  // last; the scans never leave the range.
  void Partition(std::size_t first, std::size_t last, std::size_t& i, std::size_t& j) {
    const std::string pivot = titles[first];
    i = first;
    j = last;
    for (;;) {
      while (i != last && compare(titles[i], pivot) <= 0) ++i;
      while (j != first && compare(titles[j], pivot) >= 0) --j;
      if (i >= j) break;
      Exchange(i, j);
    }
    if (compare(titles[first], titles[j]) > 0) Exchange(first, j);
  }

  // Recurses into the smaller part and loops on the larger one, so that
  // sorted or reversed lists need a stack of log n frames, not n.
  void Sort(std::size_t first, std::size_t last) {
    while (first < last) {
      std::size_t i = 0;
      std::size_t j = 0;
      Partition(first, last, i, j);
      if (j - first < last - i) {
        Sort(first, j);
        first = i;
      } else {
        Sort(i, last);
        last = j;
      }
    }
  }
};

}  // namespace

void SortTitles(std::vector<std::string>& titles, const TitleCompare& compare,
                const ExchangeObserver& exchanged) {
  if (titles.size() < 2) return;
  TitleRange{titles, compare, exchanged}.Sort(0, titles.size() - 1);
}
