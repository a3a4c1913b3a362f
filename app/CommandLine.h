#pragma once

// True when the command line (the text after the program name) is exactly
// the start-up option "/hide", in any case.
bool IsHideOption(const char* commandLine);

// True when the command line is exactly "/close", in any case: end the
// running copy, as an uninstaller needs, and start none.
bool IsCloseOption(const char* commandLine);
