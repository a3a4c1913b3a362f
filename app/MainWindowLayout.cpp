#include "app/MainWindowLayout.h"

#include "common/DpiScale.h"
#include "resources/resource.h"

namespace {

constexpr int kHideButton = 1;  // IDOK: the Hide button is the dialog's default one

constexpr MainWindowLayout kDesignLayout = {
    436,
    266,
    {14, 13, 282, 178},
    {{{IDC_OPTIONS, 309, 29},
      {IDC_SHOW_HIDE_WINDOW, 309, 71},
      {IDC_ARRANGE_TASKBAR, 309, 113},
      {IDC_SET_SHORTCUT_KEY, 309, 155},
      {kHideButton, 57, 206},
      {IDC_EXIT, 140, 206},
      {IDC_ABOUT, 223, 206},
      {IDC_HELP_PAGE, 306, 206}}},
};

}  // namespace

MainWindowLayout MainWindowLayoutFor(int dpi) {
  MainWindowLayout layout = kDesignLayout;
  layout.width = ScaleForDpi(layout.width, dpi);
  layout.height = ScaleForDpi(layout.height, dpi);
  layout.picture = {ScaleForDpi(layout.picture.x, dpi), ScaleForDpi(layout.picture.y, dpi),
                    ScaleForDpi(layout.picture.width, dpi),
                    ScaleForDpi(layout.picture.height, dpi)};
  for (ButtonPlace& place : layout.buttons) {
    place.x = ScaleForDpi(place.x, dpi);
    place.y = ScaleForDpi(place.y, dpi);
  }
  return layout;
}
