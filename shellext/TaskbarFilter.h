#pragma once
// The filter that keeps pouch windows off the taskbar: Graftling's window
// procedure in front of the taskbar's tab control. It swallows the tab item
// the taskbar inserts for a pouch window, and rebuilds its class list when
// Stowpouch sends "StowpouchMsg" 102.
//
// The shell may serve load requests on a thread other than the tab
// control's, so the filter's state is shared between that thread and the
// procedure: changed and read under a lock, held only to copy it.
#include <windows.h>

// Obtains the identifier of "StowpouchMsg" for the filter to answer.
void RegisterReloadMessage();

// With `install` 1 puts the filter in front of the tab control, or makes a
// filter still in place filter again; with 0 takes it out, or leaves it as a
// pass-through when another procedure was put in front of it since.
// Switches are made one at a time by the caller.
void SetTaskbarFilter(int install);

// Whether our procedure is still in the tab control's chain, so that the
// library must stay loaded.
bool TaskbarFilterInChain();

// While our procedure is in a chain the library holds a reference to itself,
// so that nothing unloads it under the taskbar (an apartment that ends frees
// its libraries without asking). Once the procedure is out of the chain and
// the tab control's thread has been seen outside it since its last call,
// the reference goes and the answer is true; the caller must hold a
// reference of its own. Asked with the switches held still.
bool ReleaseFilterIfQuiet();

LRESULT CALLBACK TaskbarFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
