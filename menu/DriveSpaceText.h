#pragma once
// Drive sizes as the pouch menu shows them: the platform's byte-size text
// (StrFormatByteSizeA) read back into whole megabyte units, where 1 MB counts
// 1 and 1 GB counts 1000, and the form used for counts of 4 GB and more,
// which that function cannot take whole.
#include <cstdint>
#include <string>

// The amount that a byte-size text such as "512 MB", "1.50 GB" or "1,50 GB"
// stands for; 0 for bytes and KB, or text that holds no number.
int32_t AmountFromByteSizeText(const std::string& text);

// The shift that brings a count of 4 GB or more below 4 GB: the number of
// significant bits of its high half (0 for a count below 4 GB).
int DriveSpaceShift(uint64_t count);

struct ShiftedDriveSpace {
  double value = 0;    // in GB
  std::string text;    // "8.60GB free"
  int32_t amount = 0;  // value x 1000, truncated
};

// What a count of 4 GB or more reads as, given the shift and the byte-size
// text of the count shifted right by it.
ShiftedDriveSpace ShiftDriveSpace(int shift, const std::string& shiftedText);
