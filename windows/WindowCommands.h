#pragma once
// What Stowpouch does to windows: bring one back, minimise or close the pouch
// windows, tile the folders, and make the taskbar rebuild its buttons.
#include <windows.h>

#include "windows/SavedWindows.h"
#include "windows/TileLayout.h"
#include "windows/WindowLists.h"

// ShowWindow for another program's window. A program that has stopped
// taking messages gets the request queued instead, so that it cannot hold
// Stowpouch up; it carries it out once it runs again.
void ShowWindowSafely(HWND window, int command);
// MoveWindow (with repainting) for another program's window, queued in the
// same way for a program that has stopped taking messages.
void MoveWindowSafely(HWND window, const WindowRect& place);

// Restores a window (to maximised when it was maximised before it was
// minimised), leaves a maximised window's size alone, and brings it to the
// front. Returns 1; a stale handle has no effect.
int RestoreAndActivate(HWND window);

// Minimises every saved window, or restores and activates every one that is
// still there, kind by kind, each list in order.
void MinimizeSavedWindows(const SavedPouchLists& lists);
void RestoreSavedWindows(const SavedPouchLists& lists);

// The pouch windows of one kind, or of all kinds with kAllKinds; minimised
// windows are included. Closing only posts WM_CLOSE and does not wait.
constexpr int kAllKinds = -1;
void MinimizePouchWindows(int kind);
void ClosePouchWindows(int kind);

// Tiles the visible, unminimised folder windows over the screen in a grid,
// in list order, bringing each to the front in turn.
void TileFolders();
// Minimises every other application window, then tiles the folders.
void MinimizeOthersAndTileFolders();

// Hides and shows every candidate window so that the taskbar inserts its
// button again, through the taskbar filter as it stands now. Returns 1.
int RefreshTaskbarButtons();

// Shows hidden windows again without activating them, each where it stood in
// the stacking order while hidden, and the foreground window stays in front.
void ShowInStackingOrder(const WindowList& windows);

// The screen metrics of the tiling and the Explorer layouts.
ScreenMetrics CurrentScreenMetrics();
