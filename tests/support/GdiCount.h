#pragma once
// Live GDI objects of this process. Wine's GetGuiResources is a stub, so
// the handle table is scanned: each slot is asked for its type, and a
// handle whose high word is zero names whatever lives in the slot.
#include <windows.h>

#include <map>

inline std::map<DWORD, int> GdiObjectsByType() {
  std::map<DWORD, int> counts;
  for (ULONG_PTR h = 1; h <= 0xFFFF; ++h) {
    const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(h));
    if (type != 0) ++counts[type];
  }
  return counts;
}

inline int Total(const std::map<DWORD, int>& counts) {
  int total = 0;
  for (const auto& entry : counts) total += entry.second;
  return total;
}
