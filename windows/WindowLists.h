#pragma once
// Which top-level windows are on the desktop now: the candidates, the pouch
// windows of each kind and the other application windows. Every list is read
// afresh from the live desktop; only what the browser frames show may come
// from a cache the caller keeps.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "windows/PouchRules.h"
#include "windows/WindowClass.h"
#include "windows/WindowKind.h"

using WindowList = std::vector<HWND>;
using PouchLists = std::array<WindowList, kWindowKindCount>;

// Appends the visible, titled, non-empty, unowned top-level windows other
// than the desktop's own, front to back. Returns 1.
int EnumerateCandidateWindows(WindowList& list);

// Folder (0) or InternetExplorer (2) for a "CabinetWClass" or "IEFRAME"
// window, by whether a "Shell DocObject View" is among its descendants; -1
// for any other window.
int ClassifyBrowserFrame(HWND window);

// The pouch class list and the kind class lists of the current settings.
int BuildPouchClassList(ClassNameList& names);
int BuildKindClassLists(KindClassLists& names);

// Empties `lists` and fills each kind's list with its pouch windows; with
// includeMinimized 0 minimised windows are left out. Returns 1.
int BuildPouchLists(PouchLists& lists, int includeMinimized);
// The same, with each window's title, as read when it was found, at the
// same place in `titles`; what the frames show comes from `frames` if given.
using PouchTitles = std::array<std::vector<std::string>, kWindowKindCount>;
class FrameContentCache;
int BuildTitledPouchLists(PouchLists& lists, PouchTitles& titles, int includeMinimized,
                          FrameContentCache* frames = nullptr);

// Appends the candidates that are not pouch windows. Returns 1.
int BuildOtherWindowList(WindowList& list, int includeMinimized);
