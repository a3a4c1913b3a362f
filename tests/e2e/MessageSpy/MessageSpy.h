#pragma once
// A WH_GETMESSAGE hook that a test sets on another process's UI thread to see
// which posted messages that thread takes from its queue. The hooked thread
// appends the messages it is told to watch to a shared block named after its
// own thread id; the test owns the block and reads it.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>
#include <string>

#ifdef MESSAGESPY_BUILDING
#define MESSAGESPY_API extern "C" __declspec(dllexport)
#else
#define MESSAGESPY_API extern "C" __declspec(dllimport)
#endif

namespace spy {

constexpr uint32_t kMaxWatched = 8;
constexpr uint32_t kCapacity = 512;

// Fixed-width fields: the block's layout must not depend on who reads it.
struct Record {
  uint64_t hwnd;
  uint32_t message;
  uint32_t reserved;
  uint64_t wParam;
  int64_t lParam;
};

struct Block {
  uint32_t watchedCount;
  uint32_t watched[kMaxWatched];
  // Only the hooked thread writes: it fills records[count], then publishes it
  // by incrementing count; records past kCapacity are dropped.
  volatile LONG count;
  Record records[kCapacity];
};

inline std::string BlockName(DWORD threadId) {
  return "Local\\StowpouchMessageSpy." + std::to_string(threadId);
}

}  // namespace spy

// The hook procedure to pass to SetWindowsHookEx together with this module.
MESSAGESPY_API LRESULT CALLBACK MessageSpyHook(int code, WPARAM wParam, LPARAM lParam);
