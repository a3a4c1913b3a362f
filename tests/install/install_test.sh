#!/usr/bin/env bash
# In a fresh copy of the build's ready Wine prefix: runs a portable copy and
# checks that it keeps HotKey.lst beside itself; installs
# build/x86_64/Stowpouch-1.0-x64.msi, checks what it put where, starts
# Stowpouch through its Start-menu shortcut, uninstalls while it runs and
# checks what went and what stayed.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$root/build/x86_64/bin msi=$root/build/x86_64/Stowpouch-1.0-x64.msi
here=$root/build/x86_64/install-test
. "$root/tests/support/winebench.sh"
bench_ready_prefix "$root/build/x86_64" && bench_clone_prefix "$root/build/x86_64/wineprefix" "$here" &&
  BENCH_OWN_DISPLAY=1 bench_enter "$here" || exit 1
trap 'bench_leave "$here"' EXIT
wine=$(bench_wine) passed=0 failed=0
check() {  # WHAT COMMAND...; what Wine said goes with a failure
  local what=$1
  : >"$here/out.txt"
  if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)) && echo "FAILED: $what" && cat "$here/out.txt"; fi
}
# Into a file: Wine's helper processes outlive the program and would hold a pipe.
win() { "$wine" "$@" </dev/null >"$here/out.txt" 2>&1; }
said() { tr -d '\r' <"$here/out.txt"; }
no_key() { ! win reg query "$@"; }
absent() { [ ! -e "$1" ]; }
no_window() { ! win "$bin/WindowProbe.exe" StowpouchClass 0; }
installed='C:\Program Files\Stowpouch' folder=$WINEPREFIX/drive_c/Program\ Files/Stowpouch
win cmd /c echo %APPDATA% && app_data=$(winepath -u "$(said)")
quick_launch=$app_data/Microsoft/Internet\ Explorer/Quick\ Launch per_user=$app_data/Quarrelwood/Stowpouch
mkdir -p "$quick_launch"  # where Stowpouch makes its shortcut, if the folder is there
files=(Stowpouch.exe Graftling.dll Sprigload.dll Keysnare.dll Dartlet.exe)
while IFS= read -r file; do files+=("${file#"$bin"/}"); done < <(find "$bin/help" -type f 2>/dev/null)

echo "== a portable copy"
portable='C:\Portable' portable_folder=$WINEPREFIX/drive_c/Portable
mkdir -p "$portable_folder" && for file in "${files[@]:0:5}"; do cp "$bin/$file" "$portable_folder"; done
check "starts in its folder" win start /d "$portable" "$portable\\Stowpouch.exe"
check "its window appears" win "$bin/WindowProbe.exe" StowpouchClass 60000
check "/close ends it" win "$portable\\Stowpouch.exe" /close
check "it saved HotKey.lst beside itself" [ -f "$portable_folder/HotKey.lst" ]
check "and nothing under the user's application data" absent "$per_user"
rm -rf "$portable_folder" "$quick_launch/StowpouchQL.lnk"

echo "== install"
check "msiexec /i" win msiexec /i "$(winepath -w "$msi")" /qn
for file in "${files[@]}"; do check "$file installed" cmp -s "$bin/$file" "$folder/$file"; done
check "installed-programs entry" win reg query \
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\{18859204-EAC0-4A50-A907-1DB589EB4ACA}'
check "the shell loads the installed Graftling" win "$bin/InstallCheck.exe" load "$installed\\Graftling.dll"
link=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Stowpouch.lnk')
check "shortcut leads to the program in its folder" \
  win "$bin/InstallCheck.exe" shortcut "$(winepath -w "$link")" "$installed\\Stowpouch.exe" "$installed"
startup=$(find "$WINEPREFIX/drive_c" -ipath '*/Start Menu/Programs/Startup/Stowpouch.lnk')
check "log-on shortcut starts it hidden in its folder" win "$bin/InstallCheck.exe" shortcut \
  "$(winepath -w "$startup")" "$installed\\Stowpouch.exe" "$installed" /hide
check "starts through the shortcut" win start "$(winepath -w "$link")"
check "its window appears" win "$bin/WindowProbe.exe" StowpouchClass 60000
check "it made its Quick Launch shortcut" [ -f "$quick_launch/StowpouchQL.lnk" ]

echo "== uninstall while it runs"
check "msiexec /x" win msiexec /x "$(winepath -w "$msi")" /qn
check "its window is gone" no_window
check "it saved HotKey.lst under the user's application data" [ -f "$per_user/HotKey.lst" ]
check "nothing is left in Program Files" absent "$folder"
check "class key removed" no_key 'HKCR\CLSID\{60BCFAF0-EF96-43DA-B64C-1793B01B70DE}'
check "Start-menu shortcut removed" absent "$link"
check "log-on shortcut removed" absent "$startup"
check "Quick Launch shortcut removed" absent "$quick_launch/StowpouchQL.lnk"
check "settings key kept" win reg query 'HKCU\Software\Quarrelwood\Stowpouch'
echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
