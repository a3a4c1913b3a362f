#!/usr/bin/env bash
# Builds and runs PouchListBench: the window lists against a bare pass over
# the desktop's windows, for 10, 100 and 1000 windows of another process;
# then GraftlingBench: the taskbar filter in the stand-in shell (see README).
# Both run in the build's Wine bench on a private Xvfb (BENCH_OWN_DISPLAY=0
# uses $DISPLAY); the options go to PouchListBench.
#   tools/bench/bench.sh [-n 10,100,1000] [-r REPETITIONS]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64 --target PouchListBench GraftlingBench

. tools/bench/winebench.sh
export BENCH_OWN_DISPLAY=${BENCH_OWN_DISPLAY:-1}
trap 'bench_leave build/x86_64' EXIT
bench_enter build/x86_64
build/x86_64/wine-run build/x86_64/bin/PouchListBench.exe "$@"
echo
build/x86_64/wine-run build/x86_64/bin/GraftlingBench.exe
