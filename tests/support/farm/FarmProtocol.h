#pragma once
// What WindowFarm.exe and its client say to each other. A request is one
// WM_COPYDATA to the farm's control window; COPYDATASTRUCT::dwData names the
// request and the SendMessage result is the answer.
//
// The control window is message-only (parent HWND_MESSAGE), so no one else
// enumerating windows meets it; its title is the farm's process id, so each
// client finds its own farm even when several run at once.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/farm/WindowFarmClient.h"
#include "tests/support/helper/Wire.h"

namespace farm::protocol {

constexpr char kControlClass[] = "StowpouchWindowFarm";
constexpr char kChildClass[] = "FarmChild";
constexpr char kDocumentViewClass[] = "Shell DocObject View";

// dwData of the requests; any other value is not ours and is ignored.
enum Request : ULONG_PTR {
  kCreate = 0x57460001,   // CreateRecord + class name + title; answers the new HWND or 0
  kDestroy = 0x57460002,  // std::int64_t window; answers 1 when destroyed
  kQuit = 0x57460003,     // no data; answers 1
  kTimesHidden = 0x57460004,  // std::int64_t window; answers how often it was hidden, or -1
  kHang = 0x57460005,         // no data; answers 1, then takes no message until released
  kHoldHotKey = 0x57460006,   // HotKeyRecord; answers 1 when the farm now holds the hotkey
  kSettle = 0x57460007,       // no data; answers 1 once what was pending for the farm's thread
                              // (sent messages, window-system events) has been handled
  kHotKeysReceived = 0x57460008,  // no data; answers how many WM_HOTKEY the held hotkeys brought
};

// The event that ends a hang: the client makes it before asking for the
// hang and sets it to release the farm. A farm whose client never does
// gives up after kMaxHangMs.
inline std::string HangReleaseEventName(DWORD farmProcessId) {
  return "Local\\StowpouchWindowFarm.Release." + std::to_string(farmProcessId);
}
constexpr DWORD kMaxHangMs = 60000;

// Windows of a nesting deeper than this run into the platform's own limits.
constexpr int kMaxDepth = 32;
constexpr int kMaxChildren = 256;
constexpr std::size_t kMaxClassLength = 255;

// Fixed part of a create request; the class name and then the title follow
// it, neither NUL-terminated. Window handles travel as 64-bit values so the
// record is the same for 32-bit and 64-bit programs.
struct CreateRecord {
  std::int64_t owner;
  std::int32_t state;
  std::int32_t popup;
  std::int32_t child;
  std::int32_t x;
  std::int32_t y;
  std::int32_t width;
  std::int32_t height;
  std::int32_t plainChildren;
  std::int32_t documentViewDepth;
  std::uint32_t classLength;
  std::uint32_t titleLength;
};

// A global hotkey for the farm to register, as another program would.
struct HotKeyRecord {
  std::uint32_t modifiers;
  std::uint32_t virtualKey;
};

using helper::WindowFromWire;
using helper::WindowToWire;

inline std::vector<char> EncodeCreate(const WindowSpec& wanted) {
  CreateRecord record{};
  record.owner = WindowToWire(wanted.owner);
  record.state = static_cast<std::int32_t>(wanted.state);
  record.popup = wanted.popup ? 1 : 0;
  record.child = wanted.child ? 1 : 0;
  record.x = wanted.x;
  record.y = wanted.y;
  record.width = wanted.width;
  record.height = wanted.height;
  record.plainChildren = wanted.plainChildren;
  record.documentViewDepth = wanted.documentViewDepth;
  record.classLength = static_cast<std::uint32_t>(wanted.className.size());
  record.titleLength = static_cast<std::uint32_t>(wanted.title.size());
  std::vector<char> bytes(sizeof record + wanted.className.size() + wanted.title.size());
  std::memcpy(bytes.data(), &record, sizeof record);
  std::memcpy(bytes.data() + sizeof record, wanted.className.data(), wanted.className.size());
  std::memcpy(bytes.data() + sizeof record + wanted.className.size(), wanted.title.data(),
              wanted.title.size());
  return bytes;
}

// False for a record the farm should refuse rather than half-honour.
inline bool DecodeCreate(const void* data, std::size_t size, WindowSpec* wanted) {
  CreateRecord record;
  if (data == nullptr || size < sizeof record) return false;
  std::memcpy(&record, data, sizeof record);
  const std::size_t rest = size - sizeof record;
  if (record.classLength == 0 || record.classLength > kMaxClassLength ||
      record.classLength > rest || record.titleLength != rest - record.classLength)
    return false;
  if (record.state < static_cast<std::int32_t>(ShowState::kHidden) ||
      record.state > static_cast<std::int32_t>(ShowState::kMaximized))
    return false;
  if (record.plainChildren < 0 || record.plainChildren > kMaxChildren ||
      record.documentViewDepth < 0 || record.documentViewDepth > kMaxDepth)
    return false;
  const char* text = static_cast<const char*>(data) + sizeof record;
  wanted->className.assign(text, record.classLength);
  wanted->title.assign(text + record.classLength, record.titleLength);
  // Win32 would cut the names at an embedded NUL; a request with one is a bug.
  if (wanted->className.find('\0') != std::string::npos ||
      wanted->title.find('\0') != std::string::npos)
    return false;
  wanted->owner = WindowFromWire(record.owner);
  wanted->state = static_cast<ShowState>(record.state);
  wanted->popup = record.popup != 0;
  wanted->child = record.child != 0;
  wanted->x = record.x;
  wanted->y = record.y;
  wanted->width = record.width;
  wanted->height = record.height;
  wanted->plainChildren = record.plainChildren;
  wanted->documentViewDepth = record.documentViewDepth;
  return true;
}

}  // namespace farm::protocol
