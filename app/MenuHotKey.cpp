#include "app/MenuHotKey.h"

#include "settings/SettingsRecord.h"

MenuHotKey& TheMenuHotKey() {
  static MenuHotKey hotKey;
  return hotKey;
}

void MenuHotKey::Register(HWND window, const SettingsRecord& settings) {
  // A registration from before would stay behind under its old id.
  Unregister(window);
  // An empty hot key box stores 0, and 0 must keep meaning "no menu
  // hotkey". Nothing beyond the virtual-key codes is a key either, and an
  // identifier from 0xC000 on would be taken for a shortcut key's atom.
  if (settings.IndexVirtualKey <= 0 || settings.IndexVirtualKey > 0xFE) {
    id_ = 0;
    return;
  }
  // Refused (another program holds the keys): nothing is registered, and
  // nothing may be let go later under that id.
  if (RegisterHotKey(window, settings.IndexVirtualKey, MenuHotKeyModifier(settings.IndexFunctionKey),
                     static_cast<UINT>(settings.IndexVirtualKey)))
    id_ = settings.IndexVirtualKey;
}

void MenuHotKey::Unregister(HWND window) {
  if (id_ != 0) UnregisterHotKey(window, id_);
  id_ = 0;
}
