#!/usr/bin/env bash
# Builds Stowpouch's Windows Installer packages from an existing build with
# msitools (wixl, wixl-heat, msibuild):
#   tools/package.sh [x86_64|i686|all]      (default x86_64)
# makes build/<arch>/Stowpouch-1.0-<x64|x86>.msi from build/<arch>/bin,
# with whatever bin/help holds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

package() {
  local build=$root/build/$1 arch win64 heat_options=()
  case $1 in
    x86_64) arch=x64 win64=yes heat_options=(--win64) ;;
    i686) arch=x86 win64=no ;;
    *) echo "usage: $0 [x86_64|i686|all]" >&2; return 2 ;;
  esac
  if [ ! -f "$build/bin/Stowpouch.exe" ]; then
    echo "package: no build in $build/bin (cmake --build --preset $1 first)" >&2
    return 1
  fi
  local msi=Stowpouch-1.0-$arch.msi
  # wixl takes sources relative to the folder it runs in.
  cd "$build"
  mkdir -p package
  { [ ! -d bin/help ] || find bin/help -type f; } | LC_ALL=C sort |
    wixl-heat -p bin/ --directory-ref INSTALLDIR --component-group HelpFiles --var var.BinDir \
      "${heat_options[@]}" >package/help.wxs
  rm -f "$msi"
  wixl -a "$arch" -D Arch="$arch" -D Win64="$win64" -D BinDir=bin -o "$msi" \
    "$root/installer/Stowpouch.wxs" package/help.wxs
  # What this wixl cannot say in the source: a component's condition and a
  # file to remove that the package did not install (the program's own
  # Quick Launch shortcut, removed on uninstall).
  msibuild "$msi" -q "UPDATE Component SET Condition = 'STARTATLOGON = \"1\"' \
    WHERE Component = 'StartAtLogon'"
  msibuild "$msi" -q "INSERT INTO RemoveFile (FileKey, Component_, FileName, DirProperty, \
    InstallMode) VALUES ('QuickLaunchShortcut', 'StowpouchExe', 'StowpouchQL.lnk', \
    'QuickLaunchFolder', 2)"
  echo "$build/$msi"
}

case ${1:-x86_64} in
  all) (package x86_64) && (package i686) ;;
  *) package "${1:-x86_64}" ;;
esac
