#include "app/MenuHotKey.h"

#include "common/SharedNames.h"
#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyRegistration.h"
#include "outside/KeyChord.h"
#include "outside/keysnare/Keysnare.h"
#include "settings/SettingsRecord.h"

namespace {

// Another program holds it, the hook can take it, and it is not one of our
// own shortcuts, which keep what they hold.
bool TakesHeldChord(unsigned modifiers, unsigned key) {
  return outside::CanTake(modifiers) &&
         FindHotKeyItem(static_cast<int32_t>(key), static_cast<int32_t>(modifiers)) < 0;
}

}  // namespace

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
  if (settings.IndexVirtualKey <= 0 || settings.IndexVirtualKey > 0xFE) return;
  const unsigned modifiers = MenuHotKeyModifier(settings.IndexFunctionKey);
  const auto key = static_cast<unsigned>(settings.IndexVirtualKey);
  if (RegisterHotKey(window, settings.IndexVirtualKey, modifiers, key)) {
    id_ = settings.IndexVirtualKey;
    return;
  }
  // Refused: nothing is registered, and nothing may be let go later under
  // that id.
  if (GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED || !TakesHeldChord(modifiers, key)) return;
  KeysnareTakeChord(modifiers, key);
  takenModifiers_ = modifiers;
  takenKey_ = key;
}

void MenuHotKey::Unregister(HWND window) {
  if (id_ != 0) UnregisterHotKey(window, id_);
  id_ = 0;
  Release();
}

void MenuHotKey::Release() {
  if (takenKey_ == 0) return;
  KeysnareTakeChord(0, 0);
  takenModifiers_ = takenKey_ = 0;
}

bool MenuHotKey::IsTakenPress(WPARAM wParam, LPARAM lParam) const {
  return takenKey_ != 0 && wParam == kSystemHotKeyTaken && LOWORD(lParam) == takenModifiers_ &&
         HIWORD(lParam) == takenKey_;
}

void MenuHotKey::RunMenu(HWND window, const SettingsRecord& settings,
                         const std::function<void()>& openMenu) {
  // The hook goes on taking the chord while the menu is open, so that the
  // shell does not act on it either; its presses are simply not followed.
  if (menuOpen_) return;
  const bool reRegister = settings.MenuPosHotKey == 1 && id_ != 0;
  if (reRegister) Unregister(window);
  menuOpen_ = true;
  openMenu();
  menuOpen_ = false;
  if (reRegister) Register(window, settings);
}

std::string MenuHotKeyRefusal(unsigned modifiers, unsigned key) {
  if (HotKeyFree(static_cast<int32_t>(key), static_cast<int32_t>(modifiers)) ||
      TakesHeldChord(modifiers, key))
    return std::string();
  return kHotKeyHeldElsewhereText;
}
