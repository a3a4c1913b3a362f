#include "menu/MenuItemText.h"

ItemTextParts SplitAtLastTab(const std::string& text) {
  const std::string::size_type tab = text.rfind('\t');
  if (tab == std::string::npos) return {text, std::string(), false};
  return {text.substr(0, tab), text.substr(tab + 1), true};
}

std::string WithoutTrailingBlanks(const std::string& text) {
  const std::string::size_type last = text.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::size_t CutLength(const std::string& text, std::size_t capacity,
                      bool (*isLeadByte)(unsigned char)) {
  std::size_t length = 0;
  while (length < text.size()) {
    const bool pair =
        isLeadByte(static_cast<unsigned char>(text[length])) && length + 1 < text.size();
    const std::size_t next = length + (pair ? 2 : 1);
    if (next > capacity) break;
    length = next;
  }
  return length;
}
