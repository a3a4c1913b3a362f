#!/usr/bin/env bash
# Compiles every product source once more with clang for the same MinGW-w64
# target, syntax only, so that code GCC lets through but another compiler
# refuses (MSVC among them) is caught here. Warnings count as failures.
# Skipped, with a note, when clang or the MinGW C++ headers are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

target=x86_64-w64-mingw32
gxx=$(command -v $target-g++-posix || command -v $target-g++ || true)
if ! command -v clang++ >/dev/null 2>&1 || [ -z "$gxx" ]; then
  echo "clang pass: skipped (clang++ or the MinGW-w64 compiler is missing)"
  exit 0
fi

# MinGW's own C++ library headers; clang finds the C headers of the target
# by itself.
mapfile -t cxx_dirs < <(echo | "$gxx" -E -x c++ - -v 2>&1 |
  sed -n '/#include <...> search starts here/,/End of search/p' | grep '/include/c++')
includes=()
for dir in "${cxx_dirs[@]}"; do includes+=(-isystem "${dir# }"); done

flags=(--target=$target -std=c++17 -fsyntax-only -Wall -Wextra -Wpedantic -Werror
       -I. -DWINVER=0x0601 -D_WIN32_WINNT=0x0601 -D_WIN32_IE=0x0600 -DNOMINMAX -DSTRICT
       -D_CRT_SECURE_NO_WARNINGS)

# The Windows headers parsed once into a precompiled header that every
# source but Graftling's (built with other options) starts from.
stamps=build/clang-check
mkdir -p "$stamps"
printf '#include <windows.h>\n#include <commctrl.h>\n#include <shlobj.h>\n#include <functional>\n#include <string>\n#include <vector>\n' \
  >"$stamps/windows-headers.h"
clang++ "${flags[@]/-fsyntax-only/}" "${includes[@]}" -x c++-header "$stamps/windows-headers.h" \
  -o "$stamps/windows-headers.pch"
export CHECK_PCH=$stamps/windows-headers.pch

# A source passed before with the same text, the same headers of ours and
# the same compiler and flags passes again: its stamp in build/clang-check
# says so, and a rerun checks only what changed.
CHECK_CONTEXT=$({ clang++ --version; echo "${flags[*]}"; find . -path ./build -prune -o -name '*.h' -print |
  LC_ALL=C sort | xargs cat; } | sha1sum | cut -d' ' -f1)
export CHECK_CONTEXT stamps

check_one() {
  local source=$1 extra=() stamp
  stamp=$stamps/$( { echo "$CHECK_CONTEXT $source"; cat "$source"; } | sha1sum | cut -d' ' -f1)
  [ ! -f "$stamp" ] || return 0
  case $source in
    shellext/*) extra=(-fno-exceptions -fno-rtti) ;;
    *) extra=(-include-pch "$CHECK_PCH") ;;
  esac
  clang++ "${flags[@]}" "${includes[@]}" "${extra[@]}" "$source" || { echo "clang pass: $source" >&2; return 1; }
  touch "$stamp"
}

mapfile -t sources < <(find common framework settings windows hotkeys menu outside shellext about app \
                          -name '*.cpp' 2>/dev/null | sort)
export -f check_one
# Arrays do not cross into xargs' shells; hand them over as declarations.
export CHECK_FLAGS
CHECK_FLAGS="$(declare -p flags includes)"
if printf '%s\0' "${sources[@]}" |
   xargs -0 -n1 -P"$(nproc)" bash -c 'eval "$CHECK_FLAGS"; check_one "$1"' _; then
  echo "clang pass: ${#sources[@]} product sources clean"
else
  exit 1
fi
