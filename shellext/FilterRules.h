#pragma once
// What the taskbar filter keeps off the taskbar: its class list and its copy
// of the "Folder" and "IExplorer" switches as a reload of the settings key
// leaves them, and the verdict on a window whose class is listed. No window
// or registry key is touched here; shellext/FilterClassList.cpp reads them.
#include <cstdint>
#include <optional>
#include <string>

#include "settings/StringList.h"
#include "windows/PouchRules.h"

struct SettingsRecord;

struct TaskbarFilterConfig {
  StringList classes;  // searched in order, first equal name wins
  int32_t folderSwitch = 1;
  int32_t iexplorerSwitch = 1;
};

// Graftling's own spelling of the built-in classes, from its string table.
struct FilterClassNames {
  std::string explorer;  // "ExploreWClass"
  std::string folder;    // "CabinetWClass"
  std::string browser;   // "IEFrame"
};

// What a reload read from the settings key; nullopt for a value that could
// not be read.
struct FilterSettingsValues {
  std::optional<int32_t> explorer;
  std::optional<int32_t> iexplorer;
  std::optional<int32_t> folder;
  std::optional<std::string> userClassNames;  // the 0x01-separated list
  std::optional<std::string> userCaptions;    // its partner list
};

// Rebuilds the class list: the Explorer class while "Explorer" is 1, the
// browser and folder frames always (what they show decides, per window),
// then the user-defined classes that have their caption (Stowpouch keeps
// only whole pairs, and both must agree on what is a pouch window). A
// switch changes only when its value was read.
void ReloadFilterConfig(const FilterSettingsValues& values, const FilterClassNames& names,
                        TaskbarFilterConfig& config);

// The values a reload would read from the key that `settings` was saved to:
// Stowpouch decides with them as the filter decides in the shell.
FilterSettingsValues FilterSettingsOf(const SettingsRecord& settings);

// Whether a window whose class is in the list stays off the taskbar, given
// what it shows when it is a browser frame.
bool IsFilteredContent(FrameContent content, const TaskbarFilterConfig& config);

// Whether that verdict depends on what a frame shows at all.
bool FilterNeedsFrameContent(const TaskbarFilterConfig& config);
