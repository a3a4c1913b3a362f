#pragma once
// Opens two or four Explorer windows (folder tree, C:\ selected) and sets
// them out one above the other, side by side, or in a square.
#include <windows.h>

// How long the layout waits for one new Explorer to take input before it
// carries on without it.
constexpr DWORD kExplorerIdleWaitMs = 3000;

// 0 one above the other, 1 side by side, 2 four in a square; other values
// do nothing.
void RunExplorerLayout(int layout, DWORD idleWaitMs = kExplorerIdleWaitMs);
