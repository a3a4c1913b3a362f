#pragma once
// The pictures of the pouch menu and of the main window: the program's
// icons in a large (64 x 64) and a small (16 x 16) form and the logo band's
// bitmap, loaded once and kept by their owner, the main window; icons of
// other sizes and the logo at other DPIs are made on first use and kept too.
#include <windows.h>

#include <array>
#include <vector>

#include "framework/Handles.h"

class MenuArt {
 public:
  // Sixteen colours unless `fullColour`.
  MenuArt(HINSTANCE instance, bool fullColour);

  // Null for a resource that is not among the program's icons.
  HICON Icon(UINT resourceId, bool large) const;
  // The icon loaded at `size` pixels, so that it is never stretched.
  HICON IconOfSize(UINT resourceId, int size) const;
  // Null when the resource is missing: the band stays black then.
  HBITMAP Logo() const { return static_cast<HBITMAP>(logo_.Get()); }
  // The logo at `dpi`: smoothly scaled from the 96-dpi one.
  HBITMAP LogoAt(int dpi) const;

 private:
  struct IconPair {
    UINT resourceId = 0;
    UniqueIcon large;
    UniqueIcon small;
  };

  struct SizedIcon {
    UINT resourceId = 0;
    int size = 0;
    UniqueIcon icon;
  };

  HINSTANCE instance_;
  UINT loadFlags_;
  std::array<IconPair, 11> icons_;
  UniqueGdiObject logo_;
  // Caches: what they hold is the same whenever it is made.
  mutable std::vector<SizedIcon> sizedIcons_;
  mutable UniqueGdiObject scaledLogo_;
  mutable int scaledLogoDpi_ = 0;
};
