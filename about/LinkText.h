#pragma once
// What the user is told when nothing opened a link.
#include <string>

// "Unable to open hyperlink:", an empty line and what a shell result below
// 33 means.
std::string HyperlinkErrorText(long long result);
