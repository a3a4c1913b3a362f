#include "menu/DiskFreeSpace.h"

#include "framework/Handles.h"

namespace {

GetDiskFreeSpaceExFunction FindDiskFreeSpaceEx() {
  // The library stays mapped after FreeLibrary: every process has it loaded.
  const UniqueModule kernel(LoadLibraryA("KERNEL32.DLL"));
  if (!kernel) return nullptr;
  return reinterpret_cast<GetDiskFreeSpaceExFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel.Get(), "GetDiskFreeSpaceExA")));
}

}  // namespace

GetDiskFreeSpaceExFunction DiskFreeSpaceEx() {
  static const GetDiskFreeSpaceExFunction found = FindDiskFreeSpaceEx();
  return found;
}

void LookUpDiskFreeSpaceEx() { DiskFreeSpaceEx(); }
