#include "app/LaunchRequests.h"

#include "common/SharedNames.h"
#include "settings/SettingsRecord.h"

int PouchSurfaceForMessage(uintptr_t wParam, const SettingsRecord& settings) {
  if (wParam == kMsgLaunchShortcut) return kSurfaceQuickLaunch;
  int32_t edgeSwitch;
  switch (wParam) {
    case kMsgEdgeLeft: edgeSwitch = settings.MenuPosDesktopLeft; break;
    case kMsgEdgeRight: edgeSwitch = settings.MenuPosDesktopRight; break;
    case kMsgEdgeTop: edgeSwitch = settings.MenuPosDesktopTop; break;
    case kMsgEdgeBottom: edgeSwitch = settings.MenuPosDesktopBottom; break;
    default: return 0;
  }
  if (settings.MenuPosDesktop != 1 || edgeSwitch != 1) return 0;
  return static_cast<int>(wParam);
}

namespace {

int SignedHalf(unsigned half) {
  return half >= 0x8000u ? static_cast<int>(half) - 0x10000 : static_cast<int>(half);
}

}  // namespace

ScreenPoint EdgeClickPoint(intptr_t lParam) {
  const auto bits = static_cast<uint32_t>(lParam);
  return {SignedHalf(bits & 0xFFFFu), SignedHalf(bits >> 16)};
}

SystemHotKeyAction SystemHotKeyActionFor(intptr_t lParam) {
  const unsigned modifiers = static_cast<unsigned>(lParam) & 0xFFFFu;
  const unsigned key = (static_cast<unsigned>(lParam) >> 16) & 0xFFFFu;
  constexpr unsigned kModWin = 8, kModShift = 4, kKeyM = 77;
  if (key != kKeyM) return SystemHotKeyAction::kNone;
  if (modifiers == kModWin) return SystemHotKeyAction::kMinimizePouch;
  if (modifiers == (kModWin | kModShift)) return SystemHotKeyAction::kRestorePouch;
  return SystemHotKeyAction::kNone;
}
