#pragma once
// The texts behind opening a link: the web-page handler's command line made
// ready for a target, and what the user is told when nothing opened it.
#include <string>

// The command line up to its placeholder for the page: the first "%1" in
// double quotes (cut at the opening quote), else the first bare "%1"; the
// whole line when it has neither. What followed the placeholder is dropped.
std::string CutAtPlaceholder(const std::string& commandLine);

// The handler's command line with the target appended after a blank. A
// target with a blank in it is quoted, or it would arrive as two arguments.
std::string CommandLineForTarget(const std::string& commandLine, const std::string& target);

// "Unable to open hyperlink:", an empty line and what a shell result below
// 33 means.
std::string HyperlinkErrorText(long long result);
