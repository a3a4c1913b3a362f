#!/usr/bin/env bash
# Starts the built Stowpouch.exe in the Wine desktop on a private Xvfb,
# saves build/x86_64/screenshots/desktop.png and main-window.png, and stops
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
echo "Saved $out/desktop.png and $out/main-window.png"
