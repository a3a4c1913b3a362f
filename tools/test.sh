#!/usr/bin/env bash
# Builds everything and runs every test: the include layering check, the
# help pages' links, a clang syntax pass over every product source, the
# native unit tests (with ASan and UBSan), the fuzz targets for a bounded
# time (when clang is there), the i686 build (compiled, not run: this
# machine cannot run 32-bit Windows programs under Wine), and the x86_64
# build's Windows-side and end-to-end tests under Wine, then the installer
# packages: both built and read back, the x64 one installed and removed.
#
# The Wine tests mostly wait (for windows, input, other processes), so they
# run side by side, each ctest entry in a bench of its own, and the work that
# only computes (the native tests, the clang pass, the fuzzing, the i686
# build) runs beside them at low priority. The phase times are printed last.
#   STOWPOUCH_TEST_JOBS=N   Wine test entries run at once (default 4)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. tools/deps.sh
ensure_packages
jobs=$(nproc)
wine_jobs=${STOWPOUCH_TEST_JOBS:-4}
logs=build/test-logs
mkdir -p "$logs"

phase_times=()
started=$SECONDS
# phase NAME COMMAND...: runs the command, keeping its time under NAME.
phase() {
  local name=$1 start=$SECONDS status=0
  shift
  "$@" || status=$?
  phase_times+=("$(printf '%-28s %4d s' "$name" $((SECONDS - start)))")
  return "$status"
}
print_phase_times() {
  echo "== phase times"
  local line
  for line in "${phase_times[@]}"; do echo "  $line"; done
  printf '  %-28s %4d s\n' "all" $((SECONDS - started))
}
beside="" prefix=""
finish() {
  local status=$?
  [ -z "$beside" ] || kill "$beside" 2>/dev/null || true
  [ -z "$prefix" ] || kill "$prefix" 2>/dev/null || true
  print_phase_times
  exit "$status"
}
trap finish EXIT

# The computing work beside the Wine tests, in two chains that keep both
# cores busy whenever the Wine tests wait, each step logged to a file of its
# own ("NAME SECONDS" or "NAME FAILED" in beside.times), a failed one shown
# whole.
beside_wine() {
  : >"$logs/beside.times"
  nice -n 19 bash -c '
    set -uo pipefail
    logs=$1 jobs=$2
    step() {
      local name=$1 start=$SECONDS
      shift
      if "$@" >"$logs/$name.log" 2>&1; then
        echo "$name $((SECONDS - start))" >>"$logs/beside.times"
      else
        echo "$name FAILED" >>"$logs/beside.times"
        echo "== $name failed:" && cat "$logs/$name.log"
        return 1
      fi
    }
    native() {
      cmake --preset native >/dev/null && cmake --build --preset native -j"$jobs" &&
        ctest --preset native
    }
    i686() { cmake --preset i686 >/dev/null && cmake --build --preset i686 -j"$jobs"; }
    (step native native && step clang tools/check-clang.sh) &
    first=$!
    (step i686 i686 && step fuzz tools/fuzz.sh 25) &
    second=$!
    status=0
    wait "$first" || status=1
    wait "$second" || status=1
    exit "$status"
  ' beside "$logs" "$jobs"
}

echo "== layering and help pages"
phase "layering, help" bash -c 'tools/check-layers.sh && tools/check-help.sh'

echo "== x86_64 build, beside it the Wine prefix the test benches copy"
cmake --preset x86_64 >/dev/null
# The prefix needs nothing built, and its boot mostly waits.
bash tests/support/ready-prefix.sh build/x86_64 >"$logs/prefix.log" 2>&1 &
prefix=$!
phase "x86_64 build" cmake --build --preset x86_64 -j"$jobs"
if ! phase "Wine prefix (rest)" wait "$prefix"; then
  echo "== the Wine prefix could not be made ready:" && cat "$logs/prefix.log"
  exit 1
fi
prefix=""

echo "== Windows-side tests under Wine, beside them native tests, clang, fuzzing, i686 build"
beside_wine >"$logs/beside.log" 2>&1 &
beside=$!
set +e
phase "Wine tests (-j$wine_jobs)" ctest --preset x86_64 -j"$wine_jobs"
wine_status=$?
wait "$beside"
beside_status=$?
set -e
while read -r name seconds; do
  phase_times+=("$(printf '%-28s %4s s' "  beside: $name" "$seconds")")
done <"$logs/beside.times"
if [ "$beside_status" -ne 0 ]; then
  echo "== failed beside the Wine tests"
  cat "$logs/beside.log"
fi
beside=""
if [ "$wine_status" -ne 0 ] || [ "$beside_status" -ne 0 ]; then
  exit 1
fi
tail -n 5 "$logs/native.log"

echo "== installer packages"
phase "packages" bash -c '
  tools/package.sh all &&
  tests/install/package_check.sh build/i686/Stowpouch-1.0-x86.msi Intel ProgramFilesFolder &&
  tests/install/package_check.sh build/x86_64/Stowpouch-1.0-x64.msi x64 ProgramFiles64Folder'
phase "install test" tests/install/install_test.sh
