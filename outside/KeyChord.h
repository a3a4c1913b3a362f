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

// Only a Windows-key combination can be taken: no other is ever reported.
constexpr bool CanTake(unsigned modifiers) { return (modifiers & kModWin) != 0; }

// What a hook that takes one combination for itself does with a key event.
struct KeyStep {
  std::optional<Chord> report;  // a combination to report as typed
  bool taken = false;           // the press of the combination taken
  bool swallow = false;         // keep the event from the rest of the system
};

class KeyChord {
 public:
  // One key event as the hook sees it. Yields a chord when a non-modifier key
  // goes down while a Windows key is held; auto-repeat of a key already down
  // yields nothing, so one press is one report.
  std::optional<Chord> Feed(unsigned vk, bool down);

  // Feed for a hook that takes `take` (vk 0: none) away from everyone else:
  // its press is taken, and it, its repeats and its release are swallowed.
  // A chord is confirmed with `windowsKeyDown` first: a Windows key whose
  // release never reached the stream (a secure desktop came between) is let
  // go, and the key passes as typed.
  KeyStep Step(unsigned vk, bool down, Chord take, bool (*windowsKeyDown)());

  // Forget every key: the stream may have been missed while no hook ran.
  void Reset() {
    down_.reset();
    swallowed_ = 0;
  }

 private:
  bool Held(unsigned vk) const { return down_.test(vk); }

  std::bitset<256> down_;
  unsigned swallowed_ = 0;  // the taken key while it is down
};

}  // namespace outside
