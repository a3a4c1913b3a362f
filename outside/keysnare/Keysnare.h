#pragma once
// Keysnare.dll: reports Windows-key combinations as they are typed.
// The library exports by ordinal only; link its import library.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#ifdef KEYSNARE_BUILDING
#define KEYSNARE_API __declspec(dllexport)
#else
#define KEYSNARE_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Ordinal 1. Installs the keyboard hook once; later calls only retarget it,
// or try again when it did not go in.
// Each non-modifier key pressed while a Windows key is held posts
// "SystemHotKeyMsg" to target with wParam 0 and lParam MAKELPARAM(modifiers,
// vk), modifiers as for RegisterHotKey with MOD_WIN always set. Every key is
// let through.
KEYSNARE_API void WINAPI KeysnareStartHook(HWND target);

// Ordinal 2. Removes the hook; harmless when none is installed.
KEYSNARE_API void WINAPI KeysnareStopHook(void);

#ifdef __cplusplus
}
#endif
