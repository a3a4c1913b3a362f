#pragma once
// The pictures of the pouch menu and of the main window: the program's
// icons in a large (64 x 64) and a small (16 x 16) form and the logo band's
// bitmap, loaded once and kept by their owner, the main window.
#include <windows.h>

#include <array>

#include "framework/Handles.h"

class MenuArt {
 public:
  // Sixteen colours unless `fullColour`.
  MenuArt(HINSTANCE instance, bool fullColour);

  // Null for a resource that is not among the program's icons.
  HICON Icon(UINT resourceId, bool large) const;
  // Null when the resource is missing: the band stays black then.
  HBITMAP Logo() const { return static_cast<HBITMAP>(logo_.Get()); }

 private:
  struct IconPair {
    UINT resourceId = 0;
    UniqueIcon large;
    UniqueIcon small;
  };

  std::array<IconPair, 11> icons_;
  UniqueGdiObject logo_;
};
