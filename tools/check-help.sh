#!/usr/bin/env bash
# Checks the help pages (help/, or the folder given): every page has a
# title, every relative href and src names a file inside the folder (and an
# anchor that the page holds, where one is named), and every page is
# reachable from start_page.htm. Prints each fault; exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-help}
status=0
fault() { echo "help: $*" >&2; status=1; }

# The relative targets of a page's href and src attributes, one a line.
targets() {
  grep -oiE '(href|src)="[^"]*"' "$1" | sed -E 's/^[^"]*"//; s/"$//' |
    grep -viE '^[a-z][a-z0-9+.-]*:' || true
}

# Whether a page defines the anchor: an id or a name attribute.
has_anchor() { grep -qiE "(id|name)=\"$2\"" "$1"; }

[ -f "$folder/start_page.htm" ] || { fault "no $folder/start_page.htm"; exit 1; }

for page in "$folder"/*.htm; do
  grep -qiE '<title>[^<]*[^<[:space:]][^<]*</title>' "$page" || fault "$page has no title"
  while read -r target; do
    file=${target%%#*}
    anchor=${target#"$file"}
    anchor=${anchor#\#}
    path=$folder/${file:-$(basename "$page")}
    case $file in
      /* | ../* | */../*) fault "$page: $target leaves the help folder"; continue ;;
    esac
    if [ ! -f "$path" ]; then
      fault "$page: $target names no file"
    elif [ -n "$anchor" ] && ! has_anchor "$path" "$anchor"; then
      fault "$page: $target names no anchor of ${path##*/}"
    fi
  done < <(targets "$page")
done

# Pages reachable from the start page along the links between pages.
declare -A seen=([start_page.htm]=1)
queue=(start_page.htm)
while [ ${#queue[@]} -gt 0 ]; do
  page=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r target; do
    file=${target%%#*}
    case $file in *.htm) ;; *) continue ;; esac
    if [ -f "$folder/$file" ] && [ -z "${seen[$file]:-}" ]; then
      seen[$file]=1
      queue+=("$file")
    fi
  done < <(targets "$folder/$page")
done
for page in "$folder"/*.htm; do
  [ -n "${seen[${page##*/}]:-}" ] || fault "$page cannot be reached from start_page.htm"
done

[ "$status" -eq 0 ] && echo "help: $(ls "$folder"/*.htm | wc -l) pages, every link and picture found"
exit "$status"
