#!/usr/bin/env bash
# Starts the built Stowpouch.exe in the Wine desktop on a private Xvfb,
# saves build/x86_64/screenshots/desktop.png, main-window.png and
# pouch-menu.png (the menu opened as the Quick Launch shortcut opens it, with
# two Explorer windows in the pouch), and stops
# the program again. STOWPOUCH_BUILD names another build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${STOWPOUCH_BUILD:-$root/build/x86_64}"
out="$build/screenshots"
mkdir -p "$out"
. "$root/tools/bench/winebench.sh"
export BENCH_OWN_DISPLAY=1
bench_enter "$build"
trap 'bench_leave "$build"' EXIT
wine=$(bench_wine)

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

# Two Explorer windows (the bench's stand-in explorer) for the pouch, then
# the menu as Dartlet asks for it.
for _ in 1 2; do "$wine" "$build/bin/layout/explorer.exe" >/dev/null 2>&1 & done
sleep 2
(cd "$build/run" && "$wine" "$build/bin/Dartlet.exe" >/dev/null 2>&1)
sleep 2
import -window root -display "$DISPLAY" "$out/pouch-menu.png"
echo "Saved $out/desktop.png, $out/main-window.png and $out/pouch-menu.png"
