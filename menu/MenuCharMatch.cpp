#include "menu/MenuCharMatch.h"

#include <cctype>

namespace {

int FoldCase(char c) { return std::tolower(static_cast<unsigned char>(c)); }

bool BeginsWith(const std::string& text, char typed) {
  return !text.empty() && FoldCase(text[0]) == FoldCase(typed);
}

}  // namespace

int MenuCharMatch(const std::vector<std::string>& texts, int selected, char typed) {
  const int count = static_cast<int>(texts.size());
  if (selected < 0 || selected >= count) selected = -1;
  for (int step = 1; step <= count; ++step) {
    const int index = (selected + step + count) % count;
    const std::string& text = texts[static_cast<std::size_t>(index)];
    if (BeginsWith(text, typed)) return index;
  }
  return -1;
}

int CountMenuCharMatches(const std::vector<std::string>& texts, char typed) {
  int count = 0;
  for (const std::string& text : texts)
    if (BeginsWith(text, typed)) ++count;
  return count;
}
