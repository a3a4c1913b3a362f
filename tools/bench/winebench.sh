# shellcheck shell=bash
# The Wine test bench: sourced by wine-run and by the run/test scripts.
#
#   bench_enter BUILD_DIR   exports WINEPREFIX, WINEDEBUG and DISPLAY, starts
#                           Xvfb when there is no display, creates the private
#                           prefix on first use and keeps one persistent
#                           wineserver for the whole run.
#   bench_leave BUILD_DIR   stops that wineserver and the Xvfb we started.
#
# The prefix lives in BUILD_DIR/wineprefix and runs everything inside a Wine
# virtual desktop named "shell" (1024x768), which gives a taskbar and a tray
# and the same screen size on every machine. Its fixed drives are C and D
# (D is BUILD_DIR/bench/drive-d); Z, through which Wine reaches the build,
# counts as a network drive, so the drive list is the same everywhere. The
# desktop folder is the prefix's own, not the home directory.

BENCH_DESKTOP_SIZE=${BENCH_DESKTOP_SIZE:-1024x768}

bench_wine() {
  if command -v wine64 >/dev/null 2>&1; then echo wine64; else echo wine; fi
}

bench_start_xvfb() {
  local state=$1/bench
  mkdir -p "$state"
  if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
    export DISPLAY=$(cat "$state/xvfb.display")
    return 0
  fi
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  echo ":$n" >"$state/xvfb.display"
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "winebench: Xvfb did not start on :$n" >&2
  return 1
}

bench_create_prefix() {
  local wine
  wine=$(bench_wine)
  echo "winebench: creating Wine prefix in $WINEPREFIX (first use only)" >&2
  # In place before the prefix boots, so that the boot builds the font cache
  # and no test process has to.
  bench_install_fonts
  WINEDLLOVERRIDES="mscoree=;mshtml=" "$wine" wineboot -i >/dev/null 2>&1
  wineserver -w
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "$BENCH_DESKTOP_SIZE" /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.bench-ready"
}

# Wine's own fonts (Tahoma for captions, Marlett for the caption buttons).
# A wine64-only install looks for them in a folder it does not have, so the
# prefix gets copies; without them every caption button is drawn as a letter.
BENCH_WINE_FONTS=${BENCH_WINE_FONTS:-/usr/share/wine/fonts}

bench_install_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if ! ls "$BENCH_WINE_FONTS"/*.ttf >/dev/null 2>&1; then
    echo "winebench: no Wine fonts in $BENCH_WINE_FONTS (package fonts-wine)" >&2
    return 0
  fi
  mkdir -p "$fonts"
  cp -f "$BENCH_WINE_FONTS"/*.ttf "$fonts"/
  touch "$WINEPREFIX/.bench-fonts"
}

# Prefixes made before the drive layout get it on their next use.
bench_set_drives() {
  local wine build=$1
  wine=$(bench_wine)
  mkdir -p "$build/bench/drive-d"
  ln -sfn "$build/bench/drive-d" "$WINEPREFIX/dosdevices/d:"
  "$wine" reg add 'HKLM\Software\Wine\Drives' /v d: /d hd /f >/dev/null 2>&1
  "$wine" reg add 'HKLM\Software\Wine\Drives' /v z: /d network /f >/dev/null 2>&1
  # The mount manager reads the drive types when it starts.
  wineserver -k
  wineserver -w
  touch "$WINEPREFIX/.bench-drives"
}

# Wine links the user's Desktop folder to the home directory; the bench
# gets a folder of its own, so what programs put on the desktop stays in
# the prefix.
bench_own_desktop() {
  local desktop
  for desktop in "$WINEPREFIX"/drive_c/users/*/Desktop; do
    if [ -L "$desktop" ]; then
      rm -f "$desktop"
      mkdir -p "$desktop"
    fi
  done
  touch "$WINEPREFIX/.bench-desktop"
}

bench_enter() {
  local build
  build=$(cd "$1" && pwd)
  export WINEPREFIX="$build/wineprefix"
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEARCH=win64
  if [ -z "${DISPLAY:-}" ] || [ "${BENCH_OWN_DISPLAY:-0}" = 1 ]; then
    bench_start_xvfb "$build" || return 1
  fi
  mkdir -p "$build/bench"
  (
    flock 9
    [ -f "$WINEPREFIX/.bench-ready" ] || bench_create_prefix
    [ -f "$WINEPREFIX/.bench-drives" ] || bench_set_drives "$build"
    # Prefixes made before the fonts were copied get them on their next use.
    [ -f "$WINEPREFIX/.bench-fonts" ] || bench_install_fonts
    [ -f "$WINEPREFIX/.bench-desktop" ] || bench_own_desktop
  ) 9>"$build/bench/prefix.lock"
  # One wineserver for the whole run keeps each test process's start short.
  wineserver -p >/dev/null 2>&1 || true
}

bench_leave() {
  local build
  build=$(cd "$1" && pwd)
  WINEPREFIX="$build/wineprefix" wineserver -k >/dev/null 2>&1 || true
  if [ -f "$build/bench/xvfb.pid" ]; then
    kill "$(cat "$build/bench/xvfb.pid")" 2>/dev/null || true
    rm -f "$build/bench/xvfb.pid" "$build/bench/xvfb.display"
  fi
}
