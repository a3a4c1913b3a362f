#pragma once
// An item text is a label, optionally followed by a tab and the text of the
// shortcut key that does the same; drive labels are padded with blanks.
#include <cstddef>
#include <string>

struct ItemTextParts {
  std::string label;  // before the last tab; the whole text without one
  std::string key;    // after the last tab
  bool hasKey = false;
};

ItemTextParts SplitAtLastTab(const std::string& text);

std::string WithoutTrailingBlanks(const std::string& text);

// How many bytes of `text` fit in `capacity` bytes without splitting a
// double-byte character: a lead byte (as the code page tells) takes its
// trail byte with it or stays out.
std::size_t CutLength(const std::string& text, std::size_t capacity,
                      bool (*isLeadByte)(unsigned char));
