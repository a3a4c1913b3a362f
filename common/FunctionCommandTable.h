#pragma once
// The named actions that the "Function Command" submenu, the shortcut keys
// and the Select Function list share, by index.
#include <array>

constexpr int kFunctionCommandCount = 20;

// The separator rows' name: they stand between groups and do nothing.
constexpr const char kFunctionSeparator[] = "--------------------------------";

extern const std::array<const char*, kFunctionCommandCount> FunctionCommandTable;

// The entry's name; null for an index outside the table.
const char* FunctionCommandName(int index);

bool IsFunctionSeparator(int index);
