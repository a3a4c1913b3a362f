#pragma once
// The hot key that opens the pouch menu (Windows key + Q unless the options
// say otherwise). Its identifier is its virtual-key code, or 0 while it is
// not registered. A Windows-key combination another program holds (from
// Windows 8 on the shell keeps Windows key + Q for itself) is taken through
// Keysnare's keyboard hook instead, which reports its presses to the main
// window.
#include <windows.h>

#include <functional>
#include <string>

struct SettingsRecord;

class MenuHotKey {
 public:
  int Id() const { return id_; }
  // True while Keysnare's hook takes the combination for it.
  bool Taken() const { return takenKey_ != 0; }
  // Registers the combination the settings name, in place of any earlier
  // registration or take. One held elsewhere is taken when the hook can
  // take it and no shortcut of ours holds it; any other failure is silent
  // and leaves the identifier 0. A key code of 0 (or none at all) registers
  // nothing.
  void Register(HWND window, const SettingsRecord& settings);
  // Lets the registration or the take go.
  void Unregister(HWND window);
  void Forget() { id_ = 0; }
  // Whether a "SystemHotKeyMsg" is the hook's report of the combination it
  // takes for the menu hotkey.
  bool IsTakenPress(WPARAM wParam, LPARAM lParam) const;
  // A press of the hotkey, registered or taken: `openMenu` runs, and while
  // it does the combination opens nothing more (a registered key is let go
  // and registered again afterwards, the presses of a taken one ignored).
  void RunMenu(HWND window, const SettingsRecord& settings, const std::function<void()>& openMenu);

 private:
  void Release();

  int id_ = 0;
  unsigned takenModifiers_ = 0;
  unsigned takenKey_ = 0;
  bool menuOpen_ = false;
};

MenuHotKey& TheMenuHotKey();

// The options page's word on a menu hotkey candidate: empty when it can be
// had (free, or a Windows-key combination the hook would take), otherwise
// why not.
std::string MenuHotKeyRefusal(unsigned modifiers, unsigned key);
