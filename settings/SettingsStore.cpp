#include "settings/SettingsStore.h"

#include <windows.h>

#include <iterator>

#include "framework/Registry.h"

SettingsRecord& Settings() {
  static SettingsRecord record;
  return record;
}

namespace {

void ReadNumbers(const RegistryKey& key, const SettingsNumber* numbers, std::size_t count,
                 SettingsRecord& record) {
  for (std::size_t i = 0; i < count; ++i) {
    int32_t value = 0;
    if (key.QueryNumber(numbers[i].name, value)) record.*numbers[i].field = value;
  }
}

void WriteNumbers(const RegistryKey& key, const SettingsNumber* numbers, std::size_t count,
                  const SettingsRecord& record) {
  for (std::size_t i = 0; i < count; ++i) key.SetNumber(numbers[i].name, record.*numbers[i].field);
}

void ReadList(const RegistryKey& key, const char* name, StringList& list) {
  std::string text;
  if (key.QueryText(name, kListBufferBytes, text)) SplitStringList(text, list);
}

void WriteList(const RegistryKey& key, const char* name, const StringList& list) {
  std::string text;
  JoinStringList(list, text);
  key.SetText(name, text);
}

}  // namespace

int LoadSettings() {
  const RegistryKey key(HKEY_CURRENT_USER, kSettingsKeyPath, KEY_READ);
  SettingsRecord& record = Settings();
  if (!key.IsOpen()) return 0;
  ReadNumbers(key, kKindNumbers, std::size(kKindNumbers), record);
  ReadList(key, kUserAppCaptionValue, record.UserAppCaption);
  ReadList(key, kUserClassNameValue, record.UserClassName);
  // The page edits the two lists by position: a pair with half of it
  // missing would mismatch every pair after it.
  KeepCommonPairs(record.UserAppCaption, record.UserClassName);
  ReadNumbers(key, kOptionNumbers, std::size(kOptionNumbers), record);
  record.Netscape = 0;
  return 1;
}

int SaveKindSettings() {
  const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kSettingsKeyPath);
  if (!key.IsOpen()) return 0;
  const SettingsRecord& record = Settings();
  key.SetNumber("Explorer", record.Explorer);
  key.SetNumber("Folder", record.Folder);
  key.SetNumber("IExplorer", record.IExplorer);
  WriteList(key, kUserAppCaptionValue, record.UserAppCaption);
  WriteList(key, kUserClassNameValue, record.UserClassName);
  return 1;
}

int SaveSettings() {
  SaveKindSettings();
  const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kSettingsKeyPath);
  if (!key.IsOpen()) return 0;
  WriteNumbers(key, kOptionNumbers, std::size(kOptionNumbers), Settings());
  return 1;
}
