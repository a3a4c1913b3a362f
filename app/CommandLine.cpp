#include "app/CommandLine.h"

bool IsHideOption(const char* commandLine) {
  static const char kOption[] = "/hide";
  if (!commandLine) return false;
  for (int i = 0;; ++i) {
    char c = commandLine[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kOption[i]) return false;
    if (c == '\0') return true;
  }
}
