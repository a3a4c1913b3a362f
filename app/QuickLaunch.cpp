#include "app/QuickLaunch.h"

#include "app/QuickLaunchRules.h"
#include "framework/Handles.h"
#include "settings/SettingsRecord.h"
#include "windows/ShellFolders.h"

namespace {

constexpr char kDescription[] = "Stowpouch Launch!";

bool FileOpensForReading(const std::string& path) {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file);
}

std::string ProgramPath() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

}  // namespace

void KeepQuickLaunchShortcut(const SettingsRecord& settings) {
  std::string appData;
  if (!ReadShellFolderPath("AppData", appData)) return;
  const std::optional<QuickLaunchPlace> place = QuickLaunchPlaceFor(appData);
  if (!place || GetFileAttributesA(place->folder.c_str()) != FILE_ATTRIBUTE_DIRECTORY) return;
  switch (QuickLaunchChangeFor(settings.MenuPosAppBar, FileOpensForReading(place->link))) {
    case QuickLaunchChange::kCreate: {
      ShellLinkRecord record;
      record.targetPath = DartletPathBeside(ProgramPath());
      record.description = kDescription;
      record.iconPath = record.targetPath;
      CreateShellLink(place->link, &record);
      break;
    }
    case QuickLaunchChange::kDelete:
      DeleteFileA(place->link.c_str());
      break;
    case QuickLaunchChange::kNone:
      break;
  }
}
