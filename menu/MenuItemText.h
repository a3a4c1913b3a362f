#pragma once
// An item text is a label, optionally followed by a tab and the text of the
// shortcut key that does the same; drive labels are padded with blanks.
#include <string>

struct ItemTextParts {
  std::string label;  // before the last tab; the whole text without one
  std::string key;    // after the last tab
  bool hasKey = false;
};

ItemTextParts SplitAtLastTab(const std::string& text);

std::string WithoutTrailingBlanks(const std::string& text);
