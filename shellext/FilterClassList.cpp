#include "shellext/FilterClassList.h"

#include <cstdint>
#include <new>
#include <optional>
#include <string>

#include "framework/Registry.h"
#include "resources/GraftlingResource.h"
#include "settings/SettingsRecord.h"
#include "shellext/FilterRules.h"
#include "shellext/FilterVerdict.h"
#include "shellext/GraftlingHeap.h"
#include "framework/SlimLocks.h"
#include "shellext/GraftlingModule.h"

namespace {

constexpr int kStringCapacity = 512;

// The list in use, swapped whole by a reload (on the tab control's thread,
// or on the thread of a load request) and read by insertions; null filters
// nothing. Held only to search it or to swap it.
SRWLOCK g_configLock = SRWLOCK_INIT;
TaskbarFilterConfig* g_config = nullptr;

// One reload at a time: the memory reserve is the reload's, and each starts
// from the switches the one before it left, also when it built no list.
SRWLOCK g_reloadLock = SRWLOCK_INIT;
int32_t g_folderSwitch = 1;
int32_t g_iexplorerSwitch = 1;

// What a reload can need at its peak: two read buffers and, per byte of the
// two list texts, their copies, an element each and its place in three lists.
constexpr std::size_t kReserveBase = 2 * kListBufferBytes + 64 * 1024;
constexpr std::size_t kReservePerListByte = 256;

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

std::size_t ListTextBytes(const RegistryKey& key, const char* name) {
  DWORD size = 0;
  if (RegQueryValueExA(key.Get(), name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return 0;
  return size < kListBufferBytes ? size : kListBufferBytes;
}

// The new list, or null when the key cannot be read or memory is short.
TaskbarFilterConfig* BuildConfig() {
  const RegistryKey key(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ);
  if (!key.IsOpen()) return nullptr;
  const std::size_t listBytes =
      ListTextBytes(key, kUserClassNameValue) + ListTextBytes(key, kUserAppCaptionValue);
  // Declared first, so that it goes last: whatever was drawn from it is
  // freed by then.
  const AllocationReserve reserve(kReserveBase + kReservePerListByte * listBytes);
  if (!reserve.Held()) return nullptr;
  auto* config = new (std::nothrow) TaskbarFilterConfig;
  if (config == nullptr) return nullptr;
  config->folderSwitch = g_folderSwitch;
  config->iexplorerSwitch = g_iexplorerSwitch;
  ReloadFilterConfig(ReadFilterSettings(key), LoadFilterClassNames(), *config);
  g_folderSwitch = config->folderSwitch;
  g_iexplorerSwitch = config->iexplorerSwitch;
  if (reserve.Drawn()) {
    delete config;
    return nullptr;
  }
  return config;
}

void SwapConfig(TaskbarFilterConfig* config) {
  TaskbarFilterConfig* previous = nullptr;
  {
    const ExclusiveLock lock(g_configLock);
    previous = g_config;
    g_config = config;
  }
  delete previous;
}

}  // namespace

int ReloadFilterClassList() {
  const ExclusiveLock reloading(g_reloadLock);
  TaskbarFilterConfig* config = BuildConfig();
  SwapConfig(config);
  return config != nullptr ? 1 : 0;
}

int IsFilteredWindow(HWND window, const char* className) {
  // The switches copied, without the list (an empty one allocates nothing):
  // the search of a frame's descendants runs without holding the lock.
  TaskbarFilterConfig switches;
  {
    const SharedLock lock(g_configLock);
    if (g_config == nullptr) return 0;
    switch (VerdictByClass(*g_config, className)) {
      case ClassVerdict::kKept:
        return 0;
      case ClassVerdict::kFiltered:
        return 1;
      case ClassVerdict::kByContent:
        break;
    }
    switches.folderSwitch = g_config->folderSwitch;
    switches.iexplorerSwitch = g_config->iexplorerSwitch;
  }
  return IsFilteredByContent(switches, window, className) ? 1 : 0;
}

void FreeFilterClassList() { SwapConfig(nullptr); }
