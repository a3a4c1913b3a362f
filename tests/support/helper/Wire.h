#pragma once
// Window handles in helper requests travel as 64-bit values, so that the
// same record reads the same in a 32-bit and a 64-bit program.
#include <windows.h>

#include <cstdint>

namespace helper {

inline std::int64_t WindowToWire(HWND window) {
  return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(window));
}

inline HWND WindowFromWire(std::int64_t value) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
}

}  // namespace helper
