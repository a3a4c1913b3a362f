#include "app/MenuHotKey.h"

#include "settings/SettingsRecord.h"

MenuHotKey& TheMenuHotKey() {
  static MenuHotKey hotKey;
  return hotKey;
}

void MenuHotKey::Register(HWND window, const SettingsRecord& settings) {
  id_ = settings.IndexVirtualKey;
  RegisterHotKey(window, id_, MenuHotKeyModifier(settings.IndexFunctionKey),
                 static_cast<UINT>(settings.IndexVirtualKey));
}

void MenuHotKey::Unregister(HWND window) {
  if (id_ != 0) UnregisterHotKey(window, id_);
  id_ = 0;
}
