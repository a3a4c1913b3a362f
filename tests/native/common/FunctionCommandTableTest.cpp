#include "common/FunctionCommandTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyRules.h"

namespace {

TEST(FunctionCommandTable, SeparatorsSitBetweenTheGroups) {
  for (int index = 0; index < kFunctionCommandCount; ++index) {
    const bool separator = index == 8 || index == 11 || index == 16 || index == 18;
    EXPECT_EQ(IsFunctionSeparator(index), separator) << index;
  }
  EXPECT_EQ(std::strlen(kFunctionSeparator), 32u);
  EXPECT_STREQ(FunctionCommandName(8), "--------------------------------");
}

TEST(FunctionCommandTable, ConflictMessagesNameTheCommandAsSpelt) {
  // The user meets the names where a new shortcut collides with a function
  // shortcut; their old spelling is kept.
  const std::pair<int32_t, const char*> cases[] = {
      {0, "My Computer"},
      {1, "Control Pannel"},
      {7, "Intenet Web Browser"},
      {9, "Minimize/Restore All Stowpouch Item"},
      {14, "Run Double Explorer(Vertical)"},
      {19, "Min/Res Applications and Res/Min Stowpouch items"}};
  for (const auto& [function, name] : cases) {
    CHotKeyItem holder;
    holder.m_nType = HOTKEY_FUNCTION;
    holder.m_nModifiers = kModifierWin;
    holder.m_nVirtualKey = 'K';
    holder.m_nFunction = function;
    HotKeyList() = {holder};
    const auto nothingElse = [](int32_t, int32_t, std::string&) { return false; };
    EXPECT_EQ(HotKeyCandidateProblem('K', {1, 0, 0}, "x", nothingElse),
              std::string("Windows+ K key is duplicated with ") + name + " command");
  }
  HotKeyList().clear();
}

TEST(FunctionCommandTable, IndicesOutsideTheTableNameNothing) {
  for (int index : {-1, 20, 1000, -2147483647 - 1}) {
    EXPECT_EQ(FunctionCommandName(index), nullptr) << index;
    EXPECT_FALSE(IsFunctionSeparator(index)) << index;
  }
}

}  // namespace
