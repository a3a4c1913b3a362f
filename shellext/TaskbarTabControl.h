#pragma once
// The taskbar's tab control, which holds one tab item per taskbar button.
// Graftling subclasses it; Stowpouch sends it the reload request. Both build
// this file in, so they always find the same window.
#include <windows.h>

// The window chain from the taskbar down to the tab control.
constexpr char kTrayWindowClass[] = "Shell_TrayWnd";
constexpr char kRebarClass[] = "RebarWindow32";
constexpr char kTaskSwitchClass[] = "MSTaskSwWClass";
constexpr char kTabControlClass[] = "SysTabControl32";

// The tab control, or null on a shell that has none. Without a rebar the
// task switcher is looked for in the taskbar window itself.
HWND FindTaskbarTabControl();
