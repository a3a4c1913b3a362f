#pragma once
#include <windows.h>

using GetDiskFreeSpaceExFunction = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER,
                                                 PULARGE_INTEGER);

// GetDiskFreeSpaceExA where the system has it (it is missing from the
// first Windows 95 release); null otherwise. Looked up once, at start-up
// (LookUpDiskFreeSpaceEx) or at the first use.
GetDiskFreeSpaceExFunction DiskFreeSpaceEx();
void LookUpDiskFreeSpaceEx();
