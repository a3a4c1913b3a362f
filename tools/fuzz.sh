#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# on its committed seed corpus (new findings go to build/fuzz/corpus/, which
# later runs start from too). Without clang it says so and does nothing.
#   tools/fuzz.sh [SECONDS]        default 25 per target
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-25}

probe='extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }'
if ! command -v clang++ >/dev/null 2>&1 ||
   ! echo "$probe" | clang++ -x c++ -fsanitize=fuzzer - -o /dev/null >/dev/null 2>&1; then
  echo "fuzz: no clang++ with libFuzzer here, the fuzz targets are skipped" >&2
  exit 0
fi
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

run_target() {
  local target=$1 seeds=$2
  local corpus=build/fuzz/corpus/$target
  mkdir -p "$corpus"
  echo "fuzz: $target for ${seconds}s"
  # Inputs stay small and no allocation may approach the limit: the reader
  # never allocates more than the bytes it was given.
  local log=build/fuzz/$target.log
  if ! "build/fuzz/bin/$target" -max_total_time="$seconds" -max_len=4096 \
      -malloc_limit_mb=16 -rss_limit_mb=1024 -timeout=10 -print_final_stats=1 \
      -artifact_prefix=build/fuzz/ "$corpus" "$seeds" >"$log" 2>&1; then
    cat "$log"
    echo "fuzz: $target failed; the input is saved in build/fuzz/" >&2
    return 1
  fi
  grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' "$log"
}

run_target hotkey_file_fuzzer tests/fuzz/hotkey_file_corpus
