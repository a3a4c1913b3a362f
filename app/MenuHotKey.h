#pragma once
// The hot key that opens the pouch menu (Windows key + Q unless the options
// say otherwise). Its identifier is its virtual-key code, or 0 while it is
// not registered.
#include <windows.h>

struct SettingsRecord;

class MenuHotKey {
 public:
  int Id() const { return id_; }
  // Registers the combination the settings name, in place of any earlier
  // registration. A failed registration is silent and leaves the identifier
  // 0; a key code of 0 (or none at all) registers nothing.
  void Register(HWND window, const SettingsRecord& settings);
  void Unregister(HWND window);
  void Forget() { id_ = 0; }

 private:
  int id_ = 0;
};

MenuHotKey& TheMenuHotKey();
