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
  # Xvfb picks a free display itself and writes its number once it listens,
  # so benches started side by side never race for one.
  rm -f "$state/xvfb.display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/xvfb.number" >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  local i
  for i in $(seq 1 200); do
    if grep -q '^[0-9]' "$state/xvfb.number" 2>/dev/null; then
      echo ":$(head -n1 "$state/xvfb.number")" >"$state/xvfb.display"
      export DISPLAY=$(cat "$state/xvfb.display")
      return 0
    fi
    kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || break
    sleep 0.05
  done
  echo "winebench: Xvfb did not start" >&2
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

# The prefix of BUILD_DIR made ready (created on first use) and left with no
# wineserver running, so that it can be cloned.
bench_ready_prefix() {
  (BENCH_OWN_DISPLAY=1 bench_enter "$1" && bench_leave "$1")
}

# A private copy of a ready prefix in SHARD_DIR/wineprefix, made fresh. The
# program files that nothing writes are hard links, everything else (the
# registry, the users' folders, the ini files) is copied, so the copy can
# change whatever it likes: copying a prefix whole takes seconds and
# hundreds of megabytes.
bench_clone_prefix() {
  local template=$1 shard=$2
  bench_leave "$shard"
  rm -rf "$shard/wineprefix"
  mkdir -p "$shard/bench"
  cp -al "$template" "$shard/wineprefix" || return 1
  (
    cd "$shard/wineprefix" || exit 1
    find . -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.sys' -o -iname '*.drv' \
      -o -iname '*.ocx' -o -iname '*.cpl' -o -iname '*.acm' -o -iname '*.tlb' -o -iname '*.nls' \
      -o -iname '*.ttf' -o -iname '*.fon' -o -iname '*.ax' -o -iname '*.msstyles' \) -print0 |
      while IFS= read -r -d '' file; do cp --remove-destination -p "$template/$file" "$file" || exit 1; done
  )
}

# Sets the DPI of a prefix that no wineserver runs: the value the server
# reads when it starts (HKCU\Control Panel\Desktop "LogPixels"), in place of
# any the key holds.
bench_set_dpi() {
  local reg=$1/wineprefix/user.reg
  local value
  value=$(printf '"LogPixels"=dword:%08x' "$2")
  awk -v value="$value" '
    /^\[/ { inDesktop = ($0 ~ /^\[Control Panel\\\\Desktop\] /); if (inDesktop) { print; pending = 1; next } }
    inDesktop && /^"LogPixels"=/ { next }
    pending && !/^#/ { print value; pending = 0 }
    { print }
    END { if (pending) print value }
  ' "$reg" >"$reg.new" && mv "$reg.new" "$reg" && grep -q "^$value" "$reg"
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
  [ -d "$1" ] || return 0
  build=$(cd "$1" && pwd)
  if [ -d "$build/wineprefix" ]; then
    WINEPREFIX="$build/wineprefix" wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$build/wineprefix" wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -f "$build/bench/xvfb.pid" ]; then
    kill "$(cat "$build/bench/xvfb.pid")" 2>/dev/null || true
    rm -f "$build/bench/xvfb.pid" "$build/bench/xvfb.display"
  fi
}
