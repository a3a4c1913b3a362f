#include "shellext/FilterClassList.h"

#include <cstdint>
#include <optional>
#include <string>

#include "framework/Registry.h"
#include "resources/GraftlingResource.h"
#include "settings/SettingsRecord.h"
#include "shellext/FilterRules.h"
#include "shellext/FilterVerdict.h"
#include "shellext/GraftlingModule.h"

namespace {

constexpr int kStringCapacity = 512;

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
  return IsFilteredBy(Config(), window, className) ? 1 : 0;
}

void FreeFilterClassList() {
  delete g_config;
  g_config = nullptr;
}
