#!/usr/bin/env bash
# Puts the pictures of the program that the help pages show into
# help/images: runs tools/screenshot.sh, or takes the PNGs of an existing
# screenshots folder (`tools/help-pictures.sh FOLDER`), and copies each
# picture that a page names (src="images/NAME.png") without its metadata,
# as a 256-colour palette image when it has no more colours than that (so
# the palette loses nothing), else as it is. The menu pictures show the
# whole 1024x768 bench desktop; they are cut to the menu, which the look
# and tray tests always open at the same place. Prints the total size.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shots=${1:-}
if [ -z "$shots" ]; then
  "$root/tools/screenshot.sh"
  shots="${STOWPOUCH_BUILD:-$root/build/x86_64}/screenshots"
fi
images="$root/help/images"
mkdir -p "$images"

# Where the menus stand on the bench desktop.
crop_of() {
  case $1 in
    pouch-menu.png) echo 471x501+143+247 ;;
    pouch-menu-small.png) echo 404x336+177+412 ;;
    tray-menu.png) echo 213x137+811+631 ;;
  esac
}

status=0
for name in $(grep -ohE 'src="images/[^"]+\.png"' "$root"/help/*.htm | sed -E 's/^src="images\/|"$//g' | sort -u); do
  if [ ! -f "$shots/$name" ]; then
    echo "help-pictures: no $name in $shots" >&2
    status=1
    continue
  fi
  crop=()
  if [ -n "$(crop_of "$name")" ] && [ "$(identify -format '%wx%h' "$shots/$name")" = 1024x768 ]; then
    crop=(-crop "$(crop_of "$name")" +repage)
  fi
  picture=$(mktemp --suffix=.png)
  convert "$shots/$name" "${crop[@]}" -strip "$picture"
  if [ "$(identify -format '%k' "$picture")" -le 256 ]; then
    convert "$picture" PNG8:"$images/$name"
  else
    cp "$picture" "$images/$name"
  fi
  rm -f "$picture"
done
total=$(du -cb "$images"/*.png | tail -n 1 | cut -f 1)
echo "help-pictures: $(ls "$images"/*.png | wc -l) pictures in help/images, $((total / 1024)) KB in all"
exit "$status"
