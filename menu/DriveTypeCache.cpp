#include "menu/DriveTypeCache.h"

unsigned DriveTypeCache::TypeOf(char letter) {
  if (letter < 'A' || letter > 'Z') return 0;
  const int index = letter - 'A';
  const uint32_t bit = uint32_t{1} << index;
  if (!(known_ & bit)) {
    const char root[] = {letter, ':', '\\', '\0'};
    types_[static_cast<std::size_t>(index)] = query_(root);
    known_ |= bit;
  }
  return types_[static_cast<std::size_t>(index)];
}
