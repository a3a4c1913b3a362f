#include "menu/DiskFreeSpace.h"

#include "framework/Handles.h"

namespace {
GetDiskFreeSpaceExFunction g_diskFreeSpaceEx = nullptr;
}

GetDiskFreeSpaceExFunction DiskFreeSpaceEx() { return g_diskFreeSpaceEx; }

void LookUpDiskFreeSpaceEx() {
  // The library stays mapped after FreeLibrary: every process has it loaded.
  const UniqueModule kernel(LoadLibraryA("KERNEL32.DLL"));
  if (!kernel) return;
  g_diskFreeSpaceEx = reinterpret_cast<GetDiskFreeSpaceExFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel.Get(), "GetDiskFreeSpaceExA")));
}
