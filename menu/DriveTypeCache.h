#pragma once
// The type of each drive letter, asked once while the letter stays present:
// under Wine each question costs a millisecond or more, and the pouch menu
// asks for every drive on every opening. A letter that goes away is asked
// again when it comes back; a device change forgets every answer.
#include <array>
#include <cstddef>
#include <cstdint>

class DriveTypeCache {
 public:
  // Asks the system for the type of the drive at a root path ("C:\").
  using TypeQuery = unsigned (*)(const char* root);

  explicit DriveTypeCache(TypeQuery query) : query_(query) {}

  // The letters present now, as a bit mask (bit 0 for A): answers for
  // letters no longer present are dropped.
  void Present(uint32_t letters) { known_ &= letters; }
  unsigned TypeOf(char letter);
  void Forget() { known_ = 0; }

 private:
  TypeQuery query_;
  uint32_t known_ = 0;  // the letters whose type is held
  std::array<unsigned, 26> types_{};
};
