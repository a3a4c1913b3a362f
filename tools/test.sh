#!/usr/bin/env bash
# Builds everything and runs every test: the include layering check, the
# help pages' links, a clang syntax pass over every product source, the
# native unit tests (with
# ASan and UBSan), the fuzz targets for a bounded time (when clang is there),
# the i686 build (compiled, not run: this machine cannot run
# 32-bit Windows programs under Wine), and the x86_64 build's Windows-side
# and end-to-end tests under Wine on a private Xvfb, then the installer
# packages: both built and read back, the x64 one installed and removed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/deps.sh
ensure_packages
jobs=$(nproc)

echo "== layering, help pages and a second compiler"
tools/check-layers.sh
tools/check-help.sh
tools/check-clang.sh

echo "== native unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native

echo "== fuzz targets"
tools/fuzz.sh 25

echo "== i686 build"
cmake --preset i686 >/dev/null
cmake --build --preset i686 -j"$jobs"

echo "== x86_64 build"
cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64 -j"$jobs"

echo "== Windows-side tests under Wine"
. tools/bench/winebench.sh
export BENCH_OWN_DISPLAY=1
bench_enter build/x86_64
trap 'bench_leave build/x86_64' EXIT
ctest --preset x86_64

echo "== installer packages"
tools/package.sh all
tests/install/package_check.sh build/i686/Stowpouch-1.0-x86.msi Intel ProgramFilesFolder
tests/install/package_check.sh build/x86_64/Stowpouch-1.0-x64.msi x64 ProgramFiles64Folder
tests/install/install_test.sh
