# shellcheck shell=bash
# Installs, with apt-get, whatever the build and the bench need and the
# machine lacks. Sourced by run.sh and test.sh.

STOWPOUCH_PACKAGES=(
  cmake g++ make googletest libgtest-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 fonts-wine xvfb x11-apps imagemagick wixl msitools
)

# The fuzz targets need clang and its libFuzzer runtime; without them the
# test command skips fuzzing, so a failed install is only reported.
STOWPOUCH_OPTIONAL_PACKAGES=(clang libclang-rt-dev)

missing_packages() {
  local package
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || echo "$package"
  done
}

apt_install() {
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: $*" >&2
  $sudo apt-get update -qq >&2 &&
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$@" >&2
}

ensure_packages() {
  local missing optional
  missing=$(missing_packages "${STOWPOUCH_PACKAGES[@]}")
  # shellcheck disable=SC2086 # one word per package
  [ -z "$missing" ] || apt_install $missing
  optional=$(missing_packages "${STOWPOUCH_OPTIONAL_PACKAGES[@]}")
  # shellcheck disable=SC2086
  [ -z "$optional" ] || apt_install $optional || echo "Could not install $optional; fuzzing is skipped" >&2
}
