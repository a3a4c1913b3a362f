#pragma once
// The kinds of pouch window. The order is fixed: it indexes the pouch lists,
// the per-kind rows of the pouch menu and the search of the class lists.
#include <cstddef>

enum class WindowKind : int {
  Folder = 0,
  Explorer = 1,
  InternetExplorer = 2,
  Netscape = 3,
  UserDefined = 4,
};

constexpr std::size_t kWindowKindCount = 5;

constexpr std::size_t KindIndex(WindowKind kind) { return static_cast<std::size_t>(kind); }
