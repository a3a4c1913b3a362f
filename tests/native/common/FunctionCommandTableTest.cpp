#include "common/FunctionCommandTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(FunctionCommandTable, SeparatorsSitBetweenTheGroups) {
  for (int index = 0; index < kFunctionCommandCount; ++index) {
    const bool separator = index == 8 || index == 11 || index == 16 || index == 18;
    EXPECT_EQ(IsFunctionSeparator(index), separator) << index;
  }
  EXPECT_EQ(std::strlen(kFunctionSeparator), 32u);
  EXPECT_STREQ(FunctionCommandName(8), "--------------------------------");
}

TEST(FunctionCommandTable, NamesAsStoredAndShown) {
  // Shortcut lists and the menus show these texts; their spelling is kept.
  EXPECT_STREQ(FunctionCommandName(0), "My Computer");
  EXPECT_STREQ(FunctionCommandName(1), "Control Pannel");
  EXPECT_STREQ(FunctionCommandName(7), "Intenet Web Browser");
  EXPECT_STREQ(FunctionCommandName(9), "Minimize/Restore All Stowpouch Item");
  EXPECT_STREQ(FunctionCommandName(19), "Min/Res Applications and Res/Min Stowpouch items");
}

TEST(FunctionCommandTable, IndicesOutsideTheTableNameNothing) {
  for (int index : {-1, 20, 1000, -2147483647 - 1}) {
    EXPECT_EQ(FunctionCommandName(index), nullptr) << index;
    EXPECT_FALSE(IsFunctionSeparator(index)) << index;
  }
}

}  // namespace
