#pragma once
// The command line of a file-type handler (a class's shell\open\command)
// made ready for the target it should open, or for none.
#include <string>

// The command line up to its placeholder for the target: the first "%1" in
// double quotes (cut at the opening quote), else the first bare "%1"; the
// whole line when it has neither. What followed the placeholder is dropped.
std::string CutAtPlaceholder(const std::string& commandLine);

// The handler's command line with the target appended after a blank. A
// target with a blank in it is quoted, or it would arrive as two arguments.
std::string CommandLineForTarget(const std::string& commandLine, const std::string& target);
