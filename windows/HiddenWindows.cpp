#include "windows/HiddenWindows.h"

#include <cstdint>
#include <string>
#include <utility>

#include "framework/Registry.h"
#include "settings/SettingsRecord.h"
#include "windows/WindowCommands.h"
#include "windows/WindowToggles.h"

namespace {

// One stored entry: the handle as 64 bits, then the owning thread's id,
// both little-endian, so that both builds read what either wrote.
constexpr std::size_t kHandleBytes = 8;
constexpr std::size_t kThreadBytes = 4;
constexpr std::size_t kRecordBytes = kHandleBytes + kThreadBytes;
// Far more windows than a desktop holds; anything longer is not ours.
constexpr std::size_t kMaxRecords = 4096;

void Put(std::string& bytes, std::uint64_t value, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
}

std::uint64_t Get(const std::string& bytes, std::size_t offset, std::size_t count) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < count; ++i)
    value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  return value;
}

void Encode(const SavedWindowList& windows, std::string& bytes) {
  for (const SavedWindow& saved : windows) {
    Put(bytes, reinterpret_cast<std::uintptr_t>(saved.Get()), kHandleBytes);
    Put(bytes, saved.Thread(), kThreadBytes);
  }
}

// A value of the wrong length is not trusted at all.
SavedWindowList Decode(const std::string& bytes) {
  SavedWindowList windows;
  if (bytes.size() % kRecordBytes != 0) return windows;
  for (std::size_t offset = 0; offset < bytes.size(); offset += kRecordBytes) {
    const std::uint64_t handle = Get(bytes, offset, kHandleBytes);
    if (handle > UINTPTR_MAX) return SavedWindowList();
    windows.emplace_back(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle)),
                         static_cast<DWORD>(Get(bytes, offset + kHandleBytes, kThreadBytes)));
  }
  return windows;
}

bool TopLevel(HWND window) { return GetAncestor(window, GA_PARENT) == GetDesktopWindow(); }

}  // namespace

HiddenWindows::HiddenWindows() {
  TheWindowToggles().WhenHiddenOthersChange([this] { Store(); });
}

HiddenWindows::~HiddenWindows() { TheWindowToggles().WhenHiddenOthersChange(nullptr); }

void HiddenWindows::Replace(SavedWindowList windows) {
  windows_ = std::move(windows);
  Store();
}

void HiddenWindows::Load() {
  windows_.clear();
  for (const SavedWindow& saved : ReadSessionWindows(kHiddenWindowsValue))
    if (saved.StillThere() && TopLevel(saved.Get())) windows_.push_back(saved);
  Store();
}

void HiddenWindows::ShowAllAgain() {
  WindowList windows;
  ForEachStillThere(windows_, [&](HWND window) { windows.push_back(window); });
  ForEachStillThere(TheWindowToggles().TakeHiddenOthers(),
                    [&](HWND window) { windows.push_back(window); });
  ShowInStackingOrder(windows);
  Replace(SavedWindowList());
}

void HiddenWindows::Store() const {
  // The Hide Others toggle's windows are hidden too: listed after these.
  SavedWindowList all = windows_;
  const SavedWindowList& others = TheWindowToggles().HiddenOthers();
  all.insert(all.end(), others.begin(), others.end());
  WriteSessionWindows(kHiddenWindowsValue, all);
}

SavedWindowList ReadSessionWindows(const char* valueName) {
  std::string bytes;
  if (!RegistryKey(HKEY_CURRENT_USER, kSessionKeyPath, KEY_QUERY_VALUE)
           .QueryBytes(valueName, kMaxRecords * kRecordBytes, bytes))
    return SavedWindowList();
  return Decode(bytes);
}

void WriteSessionWindows(const char* valueName, const SavedWindowList& windows) {
  if (windows.empty()) {
    const RegistryKey key(HKEY_CURRENT_USER, kSessionKeyPath, KEY_SET_VALUE);
    if (key.IsOpen()) key.DeleteValue(valueName);
    return;
  }
  std::string bytes;
  Encode(windows, bytes);
  // Written as windows appear: the key that is there already takes it at
  // once.
  if (const RegistryKey session(HKEY_CURRENT_USER, kSessionKeyPath, KEY_SET_VALUE);
      session.IsOpen()) {
    session.SetBytes(valueName, bytes);
    return;
  }
  // The settings key must exist first, or it would be created volatile too.
  if (!RegistryKey::Create(HKEY_CURRENT_USER, kSettingsKeyPath).IsOpen()) return;
  RegistryKey::CreateVolatile(HKEY_CURRENT_USER, kSessionKeyPath).SetBytes(valueName, bytes);
}
