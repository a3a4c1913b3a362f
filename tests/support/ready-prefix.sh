#!/usr/bin/env bash
# Makes the build's Wine prefix ready (created on first use) and leaves it
# with no wineserver, for the test programs' benches to copy. ctest runs it
# first (the bench_prefix fixture).
set -eu
. "$(dirname "$0")/winebench.sh"
bench_ready_prefix "$1"
