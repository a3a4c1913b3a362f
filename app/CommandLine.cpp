#include "app/CommandLine.h"

namespace {

// `option` is lower case.
bool IsExactOption(const char* commandLine, const char* option) {
  if (!commandLine) return false;
  for (int i = 0;; ++i) {
    char c = commandLine[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != option[i]) return false;
    if (c == '\0') return true;
  }
}

}  // namespace

bool IsHideOption(const char* commandLine) { return IsExactOption(commandLine, "/hide"); }

bool IsCloseOption(const char* commandLine) { return IsExactOption(commandLine, "/close"); }
