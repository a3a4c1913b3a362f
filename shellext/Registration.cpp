#include "shellext/Registration.h"

#include <windows.h>

#include <string>

#include "framework/Registry.h"
#include "shellext/GraftlingIds.h"
#include "shellext/GraftlingModule.h"

namespace {

constexpr char kFriendlyName[] = "Stowpouch Graftwork";
constexpr char kThreadingModelValue[] = "ThreadingModel";
constexpr char kThreadingModel[] = "Apartment";

std::string ClassKeyPath() { return std::string("CLSID\\") + kGraftlingClsidText; }

std::string ServerKeyPath() { return ClassKeyPath() + "\\InProcServer32"; }

// Empty when the path does not fit: a cut path would name another file.
std::string ModulePath() {
  char path[MAX_PATH + 1];
  const DWORD length = GetModuleFileNameA(GraftlingModule(), path, sizeof path);
  if (length == 0 || length >= MAX_PATH) return std::string();
  return std::string(path, length);
}

}  // namespace

bool RegisterGraftling() {
  bool written = false;
  {
    const RegistryKey classKey = RegistryKey::Create(HKEY_CLASSES_ROOT, ClassKeyPath().c_str());
    written = classKey.IsOpen() && classKey.SetText(nullptr, kFriendlyName);
  }
  const RegistryKey serverKey = RegistryKey::Create(HKEY_CLASSES_ROOT, ServerKeyPath().c_str());
  if (!serverKey.IsOpen()) return false;
  // A server entry without its file would name no library at all.
  const std::string path = ModulePath();
  written = !path.empty() && serverKey.SetText(nullptr, path) && written;
  return serverKey.SetText(kThreadingModelValue, kThreadingModel) && written;
}

bool UnregisterGraftling() {
  // A key that is already gone counts as removed: unregistering twice is fine.
  const auto removed = [](const std::string& path) {
    const LONG status = RegDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  };
  const bool server = removed(ServerKeyPath());
  return removed(ClassKeyPath()) && server;
}
