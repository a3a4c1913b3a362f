#include "menu/MenuArt.h"

#include "resources/resource.h"

namespace {

constexpr UINT kArtIconIds[] = {IDR_MAINFRAME, IDI_APPLICATION_WINDOW, IDI_DESKTOP, IDI_CLOSE,
                                IDI_MINIMIZE,  IDI_DRIVE,              IDI_EXPLORER, IDI_FOLDER,
                                IDI_BROWSER,   IDI_BROWSER2,           IDI_COMMAND};
constexpr int kLargeArtIcon = 64;
constexpr int kSmallArtIcon = 16;

HICON LoadIconImage(HINSTANCE instance, UINT id, int size, UINT flags) {
  return static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, flags));
}

}  // namespace

MenuArt::MenuArt(HINSTANCE instance, bool fullColour)
    : logo_(LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_MENU_LOGO))) {
  static_assert(sizeof kArtIconIds / sizeof kArtIconIds[0] ==
                    std::tuple_size<decltype(icons_)>::value,
                "one resource per icon pair");
  const UINT flags = fullColour ? 0 : LR_VGACOLOR;
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    icons_[i].resourceId = kArtIconIds[i];
    icons_[i].large.Reset(LoadIconImage(instance, kArtIconIds[i], kLargeArtIcon, flags));
    icons_[i].small.Reset(LoadIconImage(instance, kArtIconIds[i], kSmallArtIcon, flags));
  }
}

HICON MenuArt::Icon(UINT resourceId, bool large) const {
  for (const IconPair& pair : icons_)
    if (pair.resourceId == resourceId) return large ? pair.large.Get() : pair.small.Get();
  return nullptr;
}
