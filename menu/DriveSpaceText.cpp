#include "menu/DriveSpaceText.h"

#include <cstdio>
#include <limits>

namespace {

// A decimal number kept as whole part and thousandths, so that 2.15 x 4
// gives 8600 and not 8599 as a binary fraction would.
struct Thousandths {
  int64_t value = 0;
  bool found = false;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the start of the text. Its decimal separator is whatever
// single character stands between digits, so any locale's wording reads.
Thousandths ReadNumber(const std::string& text) {
  Thousandths number;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    number.value = number.value * 10 + (text[i] - '0');
    number.found = true;
    if (number.value > std::numeric_limits<int32_t>::max()) return number;
  }
  number.value *= 1000;
  if (!number.found || i + 1 >= text.size() || IsDigit(text[i]) || text[i] == ' ' ||
      !IsDigit(text[i + 1]))
    return number;
  int64_t scale = 100;
  for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10)
    number.value += (text[i] - '0') * scale;
  return number;
}

int32_t Clamp(int64_t amount) {
  return amount > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                      : static_cast<int32_t>(amount);
}

}  // namespace

int32_t AmountFromByteSizeText(const std::string& text) {
  if (text.size() < 2) return 0;
  const Thousandths number = ReadNumber(text);
  if (!number.found) return 0;
  switch (text[text.size() - 2]) {
    case 'M':
      return Clamp(number.value / 1000);
    case 'G':
      return Clamp(number.value);
    default:
      return 0;
  }
}

int DriveSpaceShift(uint64_t count) {
  const uint32_t high = static_cast<uint32_t>(count >> 32);
  int shift = 0;
  while (shift < 32 && (high >> shift) != 0) ++shift;
  return shift;
}

ShiftedDriveSpace ShiftDriveSpace(int shift, const std::string& shiftedText) {
  ShiftedDriveSpace space;
  if (shift < 0 || shift > 32) return space;
  const int64_t unshifted = ReadNumber(shiftedText).value;
  if (unshifted > (std::numeric_limits<int64_t>::max() >> shift)) return space;
  const int64_t thousandths = unshifted << shift;
  space.amount = Clamp(thousandths);
  space.value = static_cast<double>(thousandths) / 1000.0;
  char text[64];
  std::snprintf(text, sizeof text, "%.02fGB free", space.value);
  space.text = text;
  return space;
}
