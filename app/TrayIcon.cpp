#include "app/TrayIcon.h"

#include <shellapi.h>

#include "framework/Dialog.h"
#include "resources/resource.h"

namespace {

// The first form of the record, which every shell takes; its size is that
// of this build's own record, 88 bytes only in a 32-bit program.
NOTIFYICONDATAA IconRecord(HWND owner) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = owner;
  record.uID = kTrayIconId;
  return record;
}

}  // namespace

bool AddTrayIcon(HWND owner, HICON icon) {
  NOTIFYICONDATAA record = IconRecord(owner);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  // The first form's tip holds 63 characters.
  lstrcpynA(record.szTip, LoadResourceString(IDS_TRAY_TIP).c_str(), 64);
  return Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
}

bool DeleteTrayIcon(HWND owner) {
  NOTIFYICONDATAA record = IconRecord(owner);
  return Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
}
