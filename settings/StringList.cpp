#include "settings/StringList.h"

#include <algorithm>

void JoinStringList(const StringList& list, std::string& text) {
  text.clear();
  for (const std::string& element : list) {
    text += element;
    text += kStringListSeparator;
  }
}

void SplitStringList(const std::string& text, StringList& list) {
  list.clear();
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type end = text.find(kStringListSeparator, start);
    if (end == std::string::npos) break;
    list.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

void CopyStringList(StringList& target, const StringList& source) {
  std::string text;
  JoinStringList(source, text);
  SplitStringList(text, target);
}

bool StringListHasRoomFor(const StringList& list, const std::string& element) {
  std::size_t length = element.size() + 1;
  for (const std::string& present : list) length += present.size() + 1;
  return length <= kStringListMaxText;
}

std::string StringListElement(std::string text) {
  std::replace(text.begin(), text.end(), kStringListSeparator, ' ');
  return text;
}

void KeepCommonPairs(StringList& first, StringList& second) {
  const std::size_t pairs = std::min(first.size(), second.size());
  first.resize(pairs);
  second.resize(pairs);
}
