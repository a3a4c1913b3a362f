#include "settings/StringList.h"

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
