#!/usr/bin/env bash
# Builds and runs the benchmarks in the build's Wine bench on a private Xvfb
# (BENCH_OWN_DISPLAY=0 uses $DISPLAY):
#   PouchListBench: the window lists against a bare pass over the desktop's
#     windows, for 10, 100 and 1000 windows of another process;
#   TaskbarButtonBench: one new window's decision and DeleteTab call on a
#     taskbar without Graftling, with the recording stand-in of the tests;
#   HotKeyLoadBench: reading a HotKey.lst of 1,000 shortcuts, under Wine and
#     natively (the native build times the decoder alone);
#   GraftlingBench: the taskbar filter in the stand-in shell (see README);
#   PouchMenuBench: the pouch menu's time from ShowPouchMenu to drawn on 10
#     and 100 folder windows of another process and 95 desktop entries,
#     against a bare pass over the windows plus a bare owner-drawn menu of as
#     many items, and its leaks (GDI objects, menu handles, working set)
#     over 1,000 menus; at 96 dpi and again at 144.
#   IdleBench: the real Stowpouch.exe's CPU time over 60 s of idling against a
#     bare dialog program beside it, and what its low-level hooks add to each
#     mouse move and key event, also with its main thread stopped for 2 s
#     (IDLE_SECONDS=N shortens the idle span).
#   tools/bench/bench.sh [-n 10,100,1000] [-r REPETITIONS]   (PouchListBench's options)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64 --target PouchListBench TaskbarButtonBench HotKeyLoadBench GraftlingBench PouchMenuBench IdleBench
mkdir -p build/bench-native
c++ -std=c++17 -O2 -I. tools/bench/HotKeyLoadBench.cpp hotkeys/HotKeyFile.cpp \
  -o build/bench-native/HotKeyLoadBench

. tests/support/winebench.sh
export BENCH_OWN_DISPLAY=${BENCH_OWN_DISPLAY:-1}
trap 'bench_leave build/x86_64' EXIT
bench_enter build/x86_64
build/x86_64/wine-run build/x86_64/bin/PouchListBench.exe "$@"
build/x86_64/wine-run build/x86_64/bin/TaskbarButtonBench.exe
build/x86_64/wine-run build/x86_64/bin/HotKeyLoadBench.exe
build/bench-native/HotKeyLoadBench
build/x86_64/wine-run build/x86_64/bin/GraftlingBench.exe
build/x86_64/wine-run build/x86_64/bin/PouchMenuBench.exe
# The same at 144 dpi, in a bench of its own whose screen has that DPI.
BENCH_SHARD=pouch-menu-144dpi BENCH_DPI=144 build/x86_64/wine-run build/x86_64/bin/PouchMenuBench.exe
build/x86_64/wine-run build/x86_64/bin/IdleBench.exe -s "${IDLE_SECONDS:-60}"
