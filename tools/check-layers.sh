#!/usr/bin/env bash
# Checks that the product's includes only point down the layers:
#   common, resources < framework < settings < windows
#   < hotkeys, outside, shellext, about < menu < app
# A folder may include its own files and those of lower layers, never a
# folder of its own layer or above. Prints each offending include; exits 1
# when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

layer_of() {
  case $1 in
    common | resources) echo 0 ;;
    framework) echo 1 ;;
    settings) echo 2 ;;
    windows) echo 3 ;;
    hotkeys | outside | shellext | about) echo 4 ;;
    menu) echo 5 ;;
    app) echo 6 ;;
    *) echo "" ;;
  esac
}

status=0
while IFS=: read -r file included; do
  from=${file%%/*}
  to=${included%%/*}
  [ "$from" = "$to" ] && continue
  from_layer=$(layer_of "$from")
  to_layer=$(layer_of "$to")
  [ -n "$to_layer" ] || continue  # a header of the platform or the library
  if [ "$to_layer" -ge "$from_layer" ]; then
    echo "layering: $file includes $included" >&2
    status=1
  fi
done < <(grep -rHo --include='*.cpp' --include='*.h' '^#include "[^"]*"' \
           common resources framework settings windows hotkeys menu outside shellext about app \
           2>/dev/null | sed 's/#include "\(.*\)"/\1/')
[ "$status" -eq 0 ] && echo "layering: every include points down"
exit "$status"
