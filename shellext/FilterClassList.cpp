#include "shellext/FilterClassList.h"

#include <cstdint>
#include <optional>
#include <string>

#include "framework/Registry.h"
#include "resources/GraftlingResource.h"
#include "settings/SettingsRecord.h"
#include "shellext/FilterRules.h"
#include "shellext/GraftlingModule.h"
#include "windows/WindowClass.h"

namespace {

constexpr int kStringCapacity = 512;
constexpr char kFolderFrameClass[] = "CabinetWClass";
constexpr char kBrowserFrameClass[] = "IEFRAME";

// Allocated on first use rather than a global object: inside the shell no
// runtime runs constructors or destructors of globals for us.
TaskbarFilterConfig* g_config = nullptr;

TaskbarFilterConfig& Config() {
  if (!g_config) g_config = new TaskbarFilterConfig;
  return *g_config;
}

std::string LoadFilterString(UINT id) {
  char text[kStringCapacity];
  const int length = LoadStringA(GraftlingModule(), id, text, kStringCapacity);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

FilterClassNames LoadFilterClassNames() {
  return {LoadFilterString(IDS_FILTER_EXPLORER), LoadFilterString(IDS_FILTER_FOLDER),
          LoadFilterString(IDS_FILTER_BROWSER)};
}

std::optional<int32_t> ReadNumber(const RegistryKey& key, const char* name) {
  int32_t value = 0;
  if (!key.QueryNumber(name, value)) return std::nullopt;
  return value;
}

FilterSettingsValues ReadFilterSettings(const RegistryKey& key) {
  FilterSettingsValues values;
  values.explorer = ReadNumber(key, "Explorer");
  values.iexplorer = ReadNumber(key, "IExplorer");
  values.folder = ReadNumber(key, "Folder");
  std::string text;
  if (key.QueryText(kUserClassNameValue, kListBufferBytes, text)) values.userClassNames = text;
  if (key.QueryText(kUserAppCaptionValue, kListBufferBytes, text)) values.userCaptions = text;
  return values;
}

bool IsListed(const char* className, const StringList& classes) {
  for (const std::string& name : classes)
    if (ClassNameEquals(className, name.c_str())) return true;
  return false;
}

FrameContent ContentOfFrame(HWND window, const char* className) {
  if (!ClassNameEquals(className, kFolderFrameClass) &&
      !ClassNameEquals(className, kBrowserFrameClass))
    return FrameContent::kNotAFrame;
  return HasDocumentView(window) ? FrameContent::kDocument : FrameContent::kFolder;
}

}  // namespace

int ReloadFilterClassList() {
  TaskbarFilterConfig& config = Config();
  config.classes.clear();
  const RegistryKey key(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ);
  if (!key.IsOpen()) return 0;
  ReloadFilterConfig(ReadFilterSettings(key), LoadFilterClassNames(), config);
  return 1;
}

int IsFilteredWindow(HWND window, const char* className) {
  const TaskbarFilterConfig& config = Config();
  // An empty list entry must match no window.
  if (className == nullptr || className[0] == '\0' || !IsListed(className, config.classes))
    return 0;
  // Searching the descendants of another program's window is the one costly
  // step; skip it when what the frame shows cannot change the verdict.
  if (!FilterNeedsFrameContent(config)) return 1;
  return IsFilteredContent(ContentOfFrame(window, className), config) ? 1 : 0;
}

void FreeFilterClassList() {
  delete g_config;
  g_config = nullptr;
}
