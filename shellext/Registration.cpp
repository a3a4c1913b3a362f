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

void RegisterGraftling() {
  {
    const RegistryKey classKey = RegistryKey::Create(HKEY_CLASSES_ROOT, ClassKeyPath().c_str());
    if (classKey.IsOpen()) classKey.SetText(nullptr, kFriendlyName);
  }
  const RegistryKey serverKey = RegistryKey::Create(HKEY_CLASSES_ROOT, ServerKeyPath().c_str());
  if (!serverKey.IsOpen()) return;
  const std::string path = ModulePath();
  if (!path.empty()) serverKey.SetText(nullptr, path);
  serverKey.SetText(kThreadingModelValue, kThreadingModel);
}

void UnregisterGraftling() {
  const RegistryKey root = RegistryKey::Create(HKEY_CLASSES_ROOT, "");
  if (!root.IsOpen()) return;
  RegDeleteKeyA(root.Get(), ServerKeyPath().c_str());
  RegDeleteKeyA(root.Get(), ClassKeyPath().c_str());
}
