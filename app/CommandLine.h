#pragma once

// True when the command line (the text after the program name) is exactly
// the start-up option "/hide", in any case.
bool IsHideOption(const char* commandLine);
