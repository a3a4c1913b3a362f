#include "hotkeys/HotKeyFilePlace.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::size_t LengthWithoutTrailingSeparators(const std::string& path) {
  std::size_t length = path.size();
  while (length > 0 && IsSeparator(path[length - 1])) --length;
  return length;
}

}  // namespace

bool PathLiesUnder(const std::string& path, const std::string& folder) {
  const std::size_t folderLength = LengthWithoutTrailingSeparators(folder);
  const std::size_t pathLength = LengthWithoutTrailingSeparators(path);
  if (folderLength == 0 || pathLength < folderLength) return false;
  for (std::size_t i = 0; i < folderLength; ++i) {
    const char a = path[i];
    const char b = folder[i];
    if (FoldCase(a) != FoldCase(b) && !(IsSeparator(a) && IsSeparator(b))) return false;
  }
  // "Program Files" holds "Program Files\Stowpouch", not "Program Files Extra".
  return pathLength == folderLength || IsSeparator(path[folderLength]);
}

bool KeepsHotKeyFilePerUser(const HotKeyFileFacts& facts) {
  if (!facts.startFolderTakesFiles) return true;
  for (const std::string& programFiles : facts.programFilesFolders)
    if (PathLiesUnder(facts.programFolder, programFiles) ||
        PathLiesUnder(facts.startFolder, programFiles))
      return true;
  return false;
}
