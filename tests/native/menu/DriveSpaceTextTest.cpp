#include "menu/DriveSpaceText.h"

#include <gtest/gtest.h>

TEST(DriveSpaceText, AmountReadsMegabytesAndGigabytesInEitherSeparator) {
  EXPECT_EQ(AmountFromByteSizeText("512 MB"), 512);
  EXPECT_EQ(AmountFromByteSizeText("9.75 MB"), 9);
  EXPECT_EQ(AmountFromByteSizeText("1.50 GB"), 1500);
  EXPECT_EQ(AmountFromByteSizeText("1,50 GB"), 1500);
  EXPECT_EQ(AmountFromByteSizeText("3.99 GB"), 3990);
  EXPECT_EQ(AmountFromByteSizeText("12.5 GB"), 12500);
}

TEST(DriveSpaceText, AmountIsZeroBelowOneMegabyte) {
  EXPECT_EQ(AmountFromByteSizeText("500 KB"), 0);
  EXPECT_EQ(AmountFromByteSizeText("9.76 KB"), 0);
  EXPECT_EQ(AmountFromByteSizeText("512 bytes"), 0);
  EXPECT_EQ(AmountFromByteSizeText(""), 0);
  EXPECT_EQ(AmountFromByteSizeText("GB"), 0);
}

TEST(DriveSpaceText, ShiftIsTheSignificantBitsOfTheHighHalf) {
  EXPECT_EQ(DriveSpaceShift(0xFFFFFFFFull), 0);
  EXPECT_EQ(DriveSpaceShift(0x100000000ull), 1);
  EXPECT_EQ(DriveSpaceShift(9234179686ull), 2);  // 8.6 GB: high half 2
  EXPECT_EQ(DriveSpaceShift(~0ull), 32);
}

TEST(DriveSpaceText, ShiftedCountReadsBackMultiplied) {
  const ShiftedDriveSpace dot = ShiftDriveSpace(2, "2.15 GB");
  EXPECT_EQ(dot.text, "8.60GB free");
  EXPECT_EQ(dot.amount, 8600);
  EXPECT_DOUBLE_EQ(dot.value, 8.6);

  const ShiftedDriveSpace comma = ShiftDriveSpace(3, "3,07 GB");
  EXPECT_EQ(comma.text, "24.56GB free");
  EXPECT_EQ(comma.amount, 24560);

  // A binary fraction would read 2.01 x 2 as 4019.
  EXPECT_EQ(ShiftDriveSpace(1, "2.01 GB").amount, 4020);
}
