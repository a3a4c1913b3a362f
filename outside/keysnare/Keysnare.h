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
// let through but the combination ordinal 3 takes.
KEYSNARE_API void WINAPI KeysnareStartHook(HWND target);

// Ordinal 2. Removes the hook; harmless when none is installed.
KEYSNARE_API void WINAPI KeysnareStopHook(void);

// Ordinal 3. Takes one Windows-key combination (modifiers as for
// RegisterHotKey, MOD_WIN among them) away from the rest of the system, in
// place of any taken before; vk 0 takes none. Its press then posts
// "SystemHotKeyMsg" with wParam 1 and lParam MAKELPARAM(modifiers, vk)
// instead of the report above, and the key's press, repeats and release
// reach nobody else. Holds across stops and starts of the hook.
KEYSNARE_API void WINAPI KeysnareTakeChord(UINT modifiers, UINT vk);

#ifdef __cplusplus
}
#endif
