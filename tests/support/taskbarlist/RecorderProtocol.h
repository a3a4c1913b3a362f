#pragma once
// What TaskbarListRecorder.dll, the tests' stand-in for the system's
// taskbar list object, records of the calls made to it: a block of shared
// memory that the test creates before the program under test starts.
#include <windows.h>

#include <cstdint>

namespace taskbarlist {

// The system's taskbar list class, which the stand-in is registered as.
inline constexpr char kTaskbarListClsidText[] = "{56FDF344-FD6D-11D0-958A-006097C9A090}";
inline constexpr char kBlockName[] = "StowpouchTaskbarListRecord";

enum Method : std::uint32_t { kHrInit = 1, kAddTab, kDeleteTab, kActivateTab, kSetActiveAlt };

struct Call {
  std::uint32_t method;
  std::uint32_t process;  // the caller's process id
  std::uint64_t window;
};

inline constexpr std::uint32_t kCapacity = 4096;

// One writer at a time (an apartment object is called on its thread); the
// record is written before the count that shows it.
struct Block {
  volatile LONG count;
  Call calls[kCapacity];
};

}  // namespace taskbarlist
