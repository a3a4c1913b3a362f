#!/usr/bin/env bash
# Renders every help page with headless Chromium, as a reader would see it,
# into build/x86_64/screenshots/help-<page>.png (1024 pixels wide), to be
# looked at. `tools/help-look.sh [FOLDER]` renders another copy of help/,
# such as build/x86_64/bin/help. STOWPOUCH_BUILD names another build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "${1:-$root/help}" && pwd)
out="${STOWPOUCH_BUILD:-$root/build/x86_64}/screenshots"
browser=${CHROMIUM:-/usr/bin/chromium}
[ -x "$browser" ] || { echo "help-look: no Chromium at $browser" >&2; exit 1; }
mkdir -p "$out"
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT

for page in "$folder"/*.htm; do
  name=$(basename "$page" .htm)
  "$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --hide-scrollbars --window-size=1024,1400 \
    --screenshot="$out/help-$name.png" "file://$page" >/dev/null 2>&1
  [ -s "$out/help-$name.png" ] || { echo "help-look: $name.htm was not rendered" >&2; exit 1; }
done
echo "help-look: $(ls "$folder"/*.htm | wc -l) pages rendered into $out/help-*.png"
