#!/usr/bin/env bash
# Builds Stowpouch (x86_64) and starts it in a Wine desktop with a taskbar.
# On a display it runs until you quit it. Without one it runs on Xvfb,
# saves screenshots of the pouch menu, the desktop and the main window, and
# stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/deps.sh
ensure_packages
cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64 -j"$(nproc)" --target Stowpouch Dartlet WindowProbe e2e_tests
build=build/x86_64

if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != --screenshot ]; then
  . tests/support/winebench.sh
  bench_enter "$build"
  echo "Starting Stowpouch in the Wine desktop on $DISPLAY"
  # Its shortcut list, HotKey.lst, lives in its current directory.
  mkdir -p "$build/run"
  cd "$build/run"
  exec "$(bench_wine)" "$root/$build/bin/Stowpouch.exe" "$@"
fi
exec tools/screenshot.sh
