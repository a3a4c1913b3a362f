#include "menu/MenuArt.h"

#include <utility>

#include "common/DpiScale.h"
#include "framework/Dpi.h"
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
    : instance_(instance),
      // Sixteen colours unless the settings ask for the icons' full depth.
      loadFlags_(fullColour ? 0 : LR_VGACOLOR),
      logo_(LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_MENU_LOGO))) {
  static_assert(sizeof kArtIconIds / sizeof kArtIconIds[0] ==
                    std::tuple_size<decltype(icons_)>::value,
                "one resource per icon pair");
  for (std::size_t i = 0; i < icons_.size(); ++i) {
    icons_[i].resourceId = kArtIconIds[i];
    icons_[i].large.Reset(LoadIconImage(instance, kArtIconIds[i], kLargeArtIcon, loadFlags_));
    icons_[i].small.Reset(LoadIconImage(instance, kArtIconIds[i], kSmallArtIcon, loadFlags_));
  }
}

HICON MenuArt::Icon(UINT resourceId, bool large) const {
  for (const IconPair& pair : icons_)
    if (pair.resourceId == resourceId) return large ? pair.large.Get() : pair.small.Get();
  return nullptr;
}

HICON MenuArt::IconOfSize(UINT resourceId, int size) const {
  if (size == kLargeArtIcon || size == kSmallArtIcon) return Icon(resourceId, size == kLargeArtIcon);
  if (!Icon(resourceId, false)) return nullptr;
  for (const SizedIcon& sized : sizedIcons_)
    if (sized.resourceId == resourceId && sized.size == size) return sized.icon.Get();
  SizedIcon sized;
  sized.resourceId = resourceId;
  sized.size = size;
  sized.icon.Reset(LoadIconImage(instance_, resourceId, size, loadFlags_));
  if (!sized.icon) return Icon(resourceId, size > kSmallArtIcon);
  sizedIcons_.push_back(std::move(sized));
  return sizedIcons_.back().icon.Get();
}

HBITMAP MenuArt::LogoAt(int dpi) const {
  if (dpi == kDesignDpi || !logo_) return Logo();
  if (scaledLogo_ && scaledLogoDpi_ == dpi) return static_cast<HBITMAP>(scaledLogo_.Get());
  BITMAP info{};
  if (!GetObjectA(logo_.Get(), sizeof info, &info)) return Logo();
  scaledLogo_.Reset(StretchedBitmap(Logo(), ScaleForDpi(info.bmWidth, dpi),
                                    ScaleForDpi(info.bmHeight, dpi)));
  scaledLogoDpi_ = dpi;
  return scaledLogo_ ? static_cast<HBITMAP>(scaledLogo_.Get()) : Logo();
}
