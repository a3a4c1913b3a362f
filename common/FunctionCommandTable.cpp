#include "common/FunctionCommandTable.h"

#include <cstring>

// The names are the program's own, spelling included: stored shortcut lists
// and the people who use them know these texts.
const std::array<const char*, kFunctionCommandCount> FunctionCommandTable = {
    "My Computer",
    "Control Pannel",
    "Network Neighborhood",
    "Recycle Bin",
    "Favorites",
    "Fonts",
    "History",
    "Intenet Web Browser",
    kFunctionSeparator,
    "Minimize/Restore All Stowpouch Item",
    "Close All Stowpouch Item",
    kFunctionSeparator,
    "Minimize Applications and Tile Folders",
    "Run Double Explorer(Horizontal)",
    "Run Double Explorer(Vertical)",
    "Run Quad Explorer",
    kFunctionSeparator,
    "Show/Hide All Application",
    kFunctionSeparator,
    "Min/Res Applications and Res/Min Stowpouch items",
};

const char* FunctionCommandName(int index) {
  if (index < 0 || index >= kFunctionCommandCount) return nullptr;
  return FunctionCommandTable[static_cast<std::size_t>(index)];
}

bool IsFunctionSeparator(int index) {
  const char* name = FunctionCommandName(index);
  return name != nullptr && std::strcmp(name, kFunctionSeparator) == 0;
}
