#pragma once
// Where "HotKey.lst" lives. A portable copy keeps it in its start folder,
// beside the program; a copy installed under Program Files (or started in
// any folder it cannot write) keeps it in the user's application data,
// since a standard user cannot write the install folder.
#include <string>
#include <vector>

// The per-user folder under the application data folder.
constexpr char kPerUserHotKeyFolder[] = "Quarrelwood\\Stowpouch";

struct HotKeyFileFacts {
  std::string startFolder;
  std::string programFolder;                     // where the program's file lies
  std::vector<std::string> programFilesFolders;  // every Program Files of the system
  bool startFolderTakesFiles = false;            // a trial file could be made there
};

// Whether the list belongs in the user's application data.
bool KeepsHotKeyFilePerUser(const HotKeyFileFacts& facts);

// Whether `path` is `folder` or lies below it. Letters compare without
// regard to ASCII case, and trailing separators do not count; an empty
// folder contains nothing.
bool PathLiesUnder(const std::string& path, const std::string& folder);
