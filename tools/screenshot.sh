#!/usr/bin/env bash
# Starts the built Stowpouch.exe in the Wine desktop on a private Xvfb and
# saves in build/x86_64/screenshots:
#   pouch-menu.png, pouch-menu-small.png  the pouch menu with large and with
#     small icons, opened as the Quick Launch shortcut opens it, with folder,
#     Explorer and web-page windows in the pouch and the Desktop Icons
#     submenu open (the pictures that the end-to-end look test checks);
#   tray-menu.png                         the tray icon's menu, opened by a
#     right click at the icon in the taskbar;
#   options-applications.png, options-display.png, select-application.png,
#   show-hide-window.png, arrange-taskbar.png, set-shortcut-key.png,
#   shortcut-properties.png, select-function.png, standard-windows-keys.png,
#   about-box.png
#                                         the options sheet's two pages, the
#     window dialogs and the shortcut dialogs, as the end-to-end tests that
#     drive them show them;
#   desktop.png, main-window.png          the main window as it starts;
#   main-window-144dpi.png, pouch-menu-144dpi.png, options-144dpi.png,
#   set-shortcut-key-144dpi.png           the same at 144 dpi, in a bench of
#     their own, as the high-DPI end-to-end tests show them.
# STOWPOUCH_BUILD names another build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${STOWPOUCH_BUILD:-$root/build/x86_64}"
out="$build/screenshots"
mkdir -p "$out"
. "$root/tests/support/winebench.sh"

# At 144 dpi first: that bench is a copy of the build's prefix, which must be
# ready and without a server of its own then.
if [ -x "$build/bin/e2e_tests.exe" ]; then
  "$root/tests/support/ready-prefix.sh" "$build"
  STOWPOUCH_PICTURES="Z:$(echo "$out" | tr / '\\')" BENCH_SHARD=screenshots-144dpi BENCH_DPI=144 \
    "$build/wine-run" "$build/bin/e2e_tests.exe" --gtest_filter='HighDpiTest.*' >/dev/null ||
    echo "screenshot.sh: a high-DPI test failed; see its pictures" >&2
  for picture in main-window-144dpi pouch-menu-144dpi options-144dpi set-shortcut-key-144dpi; do
    [ -f "$out/$picture.bmp" ] || continue
    convert "$out/$picture.bmp" "$out/$picture.png"
    rm -f "$out/$picture.bmp"
  done
fi

export BENCH_OWN_DISPLAY=1
bench_enter "$build"
trap 'bench_leave "$build"' EXIT
wine=$(bench_wine)

# The pouch and tray menu pictures are those the end-to-end look and tray
# tests check.
if [ -x "$build/bin/e2e_tests.exe" ]; then
  STOWPOUCH_PICTURES=$("$wine" winepath -w "$out" 2>/dev/null | tr -d '\r') \
    "$build/wine-run" "$build/bin/e2e_tests.exe" \
    --gtest_filter='*PouchMenuLook*:*TrayIconTest.ClicksAtTheIcon*:*OptionsSheet*:*UserApplication*:*ShowHide*:*Arrange*:*ShortcutDialog*:*AboutBoxTest.Opens*' >/dev/null ||
    echo "screenshot.sh: a look test failed; see its pictures" >&2
  for picture in pouch-menu-large:pouch-menu pouch-menu-small:pouch-menu-small tray-menu:tray-menu \
      options-applications:options-applications options-display:options-display \
      select-application:select-application show-hide-window:show-hide-window \
      arrange-taskbar:arrange-taskbar set-shortcut-key:set-shortcut-key \
      shortcut-properties:shortcut-properties select-function:select-function \
      standard-windows-keys:standard-windows-keys about-box:about-box; do
    [ -f "$out/${picture%%:*}.bmp" ] || continue
    convert "$out/${picture%%:*}.bmp" "$out/${picture##*:}.png"
    rm -f "$out/${picture%%:*}.bmp"
  done
else
  echo "screenshot.sh: no e2e_tests.exe in this build, so no menu pictures" >&2
fi

# In a folder of its own, where it keeps its shortcut list.
mkdir -p "$build/run"
(cd "$build/run" && exec "$wine" "$build/bin/Stowpouch.exe" >/dev/null 2>&1) &
rect=$("$wine" "$build/bin/WindowProbe.exe" StowpouchClass 30000 | tr -d '\r')
read -r left top width height <<<"$rect"
# Let the first paint finish before the picture is taken.
"$wine" "$build/bin/WindowProbe.exe" StowpouchClass 1000 >/dev/null
sleep 1
import -window root -display "$DISPLAY" "$out/desktop.png"
# The Wine desktop is the root window's only child, at its top-left corner.
convert "$out/desktop.png" -crop "${width}x${height}+${left}+${top}" +repage "$out/main-window.png"
echo "Main window at $left,$top, ${width}x${height}"

echo "Saved the menu and dialog pictures, $out/desktop.png and $out/main-window.png in $out"
