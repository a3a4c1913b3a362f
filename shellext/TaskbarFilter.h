#pragma once
// The filter that keeps pouch windows off the taskbar: Graftling's window
// procedure in front of the taskbar's tab control. It swallows the tab item
// the taskbar inserts for a pouch window, and rebuilds its class list when
// Stowpouch sends "StowpouchMsg" 102.
#include <windows.h>

// Obtains the identifier of "StowpouchMsg" for the filter to answer.
void RegisterReloadMessage();

// With `install` 1 puts the filter in front of the tab control, or makes a
// filter still in place filter again; with 0 takes it out, or leaves it as a
// pass-through when another procedure was put in front of it since.
void SetTaskbarFilter(int install);

// Whether our procedure is still in the tab control's chain, so that the
// library must stay loaded.
bool TaskbarFilterInChain();

// Whether a call is inside TaskbarFilterProc, which must return through the
// library, even after the filter left the chain.
bool TaskbarFilterBusy();

LRESULT CALLBACK TaskbarFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
