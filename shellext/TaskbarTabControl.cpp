#include "shellext/TaskbarTabControl.h"

HWND FindTaskbarTabControl() {
  const HWND tray = FindWindowA(kTrayWindowClass, nullptr);
  if (!tray) return nullptr;
  HWND parent = FindWindowExA(tray, nullptr, kRebarClass, nullptr);
  if (!parent) parent = tray;
  const HWND taskSwitch = FindWindowExA(parent, nullptr, kTaskSwitchClass, nullptr);
  if (!taskSwitch) return nullptr;
  return FindWindowExA(taskSwitch, nullptr, kTabControlClass, nullptr);
}
