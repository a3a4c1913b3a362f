# shellcheck shell=bash
# Installs, with apt-get, whatever the build and the bench need and the
# machine lacks. Sourced by run.sh and test.sh.

STOWPOUCH_PACKAGES=(
  cmake g++ make googletest libgtest-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 xvfb x11-apps imagemagick
)

ensure_packages() {
  local missing=() package
  for package in "${STOWPOUCH_PACKAGES[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}
