#pragma once
// Where the Quick Launch shortcut lives and when it is made or deleted;
// the file work is in QuickLaunch.cpp.
#include <cstdint>
#include <optional>
#include <string>

struct QuickLaunchPlace {
  std::string folder;  // the Quick Launch folder
  std::string link;    // the shortcut file in it
};

// The place under the user's application-data folder; nothing when the
// shortcut's path would not fit a path buffer, rather than a cut path.
std::optional<QuickLaunchPlace> QuickLaunchPlaceFor(const std::string& appDataFolder);

// Dartlet.exe in the folder of the program at `programPath`.
std::string DartletPathBeside(const std::string& programPath);

enum class QuickLaunchChange { kNone, kCreate, kDelete };

// An existing shortcut is never rewritten; a missing one is made only while
// the setting asks for it.
QuickLaunchChange QuickLaunchChangeFor(int32_t menuPosAppBar, bool linkExists);
