#pragma once
// A WH_GETMESSAGE hook that a test sets on another process's UI thread to see
// which posted messages that thread takes from its queue, and a
// WH_CALLWNDPROCRET hook to see sent messages return. The hooked thread
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

constexpr uint32_t kMaxMenuItems = 32;

// Posted as WM_NULL with this wParam and a fresh lParam, it makes the hooked
// thread copy its window's system menu into the block, which other
// processes cannot read under Wine.
constexpr WPARAM kReadSystemMenu = 0x53706d6e;
// The same for the menu that a popup menu window (#32768) of the thread shows.
constexpr WPARAM kReadShownMenu = 0x53706d70;

// Fixed-width fields: the block's layout must not depend on who reads it.
struct Record {
  uint64_t hwnd;
  uint32_t message;
  uint32_t returned;  // 1: a sent message's return (lParam is its result)
  uint64_t wParam;
  int64_t lParam;
};

struct MenuItem {
  uint32_t id;     // 0 for a separator
  uint32_t state;  // MF_ flags: type, state and MF_POPUP
  char text[64];
  RECT rect;  // on the screen while the menu shows; empty otherwise
};

struct Block {
  uint32_t watchedCount;
  uint32_t watched[kMaxWatched];
  // Only the hooked thread writes: it fills records[count], then publishes it
  // by incrementing count; records past kCapacity are dropped.
  volatile LONG count;
  Record records[kCapacity];
  // Written by the hooked thread before it sets menuRequest to the lParam of
  // the kReadSystemMenu or kReadShownMenu that asked for it.
  uint32_t menuCount;
  MenuItem menu[kMaxMenuItems];
  volatile LONG64 menuRequest;
};

inline std::string BlockName(DWORD threadId) {
  return "Local\\StowpouchMessageSpy." + std::to_string(threadId);
}

}  // namespace spy

// The hook procedures to pass to SetWindowsHookEx together with this module:
// WH_GETMESSAGE and WH_CALLWNDPROCRET.
MESSAGESPY_API LRESULT CALLBACK MessageSpyHook(int code, WPARAM wParam, LPARAM lParam);
MESSAGESPY_API LRESULT CALLBACK MessageSpyReturnHook(int code, WPARAM wParam, LPARAM lParam);
