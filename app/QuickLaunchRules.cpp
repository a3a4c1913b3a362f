#include "app/QuickLaunchRules.h"

namespace {

constexpr std::size_t kPathBuffer = 260;  // characters, the terminator included
constexpr char kQuickLaunchTail[] = "\\Microsoft\\Internet Explorer\\Quick Launch";
constexpr char kLinkName[] = "\\StowpouchQL.lnk";

}  // namespace

std::optional<QuickLaunchPlace> QuickLaunchPlaceFor(const std::string& appDataFolder) {
  QuickLaunchPlace place;
  place.folder = appDataFolder + kQuickLaunchTail;
  place.link = place.folder + kLinkName;
  if (appDataFolder.empty() || place.link.size() >= kPathBuffer) return std::nullopt;
  return place;
}

std::string DartletPathBeside(const std::string& programPath) {
  const std::size_t slash = programPath.find_last_of('\\');
  const std::string folder = slash == std::string::npos ? "" : programPath.substr(0, slash + 1);
  return folder + "Dartlet.exe";
}

QuickLaunchChange QuickLaunchChangeFor(int32_t menuPosAppBar, bool linkExists) {
  if (menuPosAppBar == 1 && !linkExists) return QuickLaunchChange::kCreate;
  if (menuPosAppBar != 1 && linkExists) return QuickLaunchChange::kDelete;
  return QuickLaunchChange::kNone;
}
