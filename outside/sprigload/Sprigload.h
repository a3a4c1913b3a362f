#pragma once
// Sprigload.dll: reports left clicks on the bare desktop's screen edges.
// The library exports by ordinal only; link its import library.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#ifdef SPRIGLOAD_BUILDING
#define SPRIGLOAD_API __declspec(dllexport)
#else
#define SPRIGLOAD_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Ordinal 1. Starts watching, or only retargets a running watch. A left
// button press within a couple of pixels of an enabled screen edge, with no
// application window under the pointer, posts "StowpouchMsg" to target with
// wParam kMsgEdgeLeft..kMsgEdgeBottom and lParam MAKELPARAM(x, y). Clicks are
// always let through.
SPRIGLOAD_API void WINAPI SprigloadStartWatch(HWND target);

// Ordinal 2. Stops watching; harmless when no watch runs.
SPRIGLOAD_API void WINAPI SprigloadStopWatch(void);

// Ordinal 4. Chooses the watched edges; takes effect at once.
SPRIGLOAD_API void WINAPI SprigloadSetEdges(BOOL left, BOOL top, BOOL right, BOOL bottom);

#ifdef __cplusplus
}
#endif
