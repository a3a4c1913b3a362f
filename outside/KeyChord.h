#pragma once
// Windows-key combinations read from a low-level keyboard stream. The
// modifier state is kept from the stream itself: GetAsyncKeyState lags behind
// the event a low-level hook is being called for.

#include <bitset>
#include <optional>

namespace outside {

// RegisterHotKey's modifier flags, so the receiver can compare directly.
constexpr unsigned kModAlt = 0x1;
constexpr unsigned kModControl = 0x2;
constexpr unsigned kModShift = 0x4;
constexpr unsigned kModWin = 0x8;

struct Chord {
  unsigned modifiers;  // kMod* flags, kModWin always set
  unsigned vk;
};

class KeyChord {
 public:
  // One key event as the hook sees it. Yields a chord when a non-modifier key
  // goes down while a Windows key is held; auto-repeat of a key already down
  // yields nothing, so one press is one report.
  std::optional<Chord> Feed(unsigned vk, bool down);

  // Forget every key: the stream may have been missed while no hook ran.
  void Reset() { down_.reset(); }

 private:
  bool Held(unsigned vk) const { return down_.test(vk); }

  std::bitset<256> down_;
};

}  // namespace outside
