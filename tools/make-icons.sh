#!/bin/sh
# Draws the program's icon from assets/icon (which includes the logo mark from assets/logo) into
# packaging/icons: the plain SVG for the scalable size and PNGs at 16, 22, 24, 32, 48, 64, 128 and
# 256 pixels, the sizes desktops look for in menus, panels and launchers.
# Usage: make-icons.sh   (from anywhere in the repository; uses Inkscape, or rsvg-convert)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
id=org.tellwyn.Tellwyn
out=packaging/icons
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

mkdir -p "$out"
python3 tools/svg-expand.py assets/icon/tellwyn.svg "$out/$id.svg"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/$size"
  if command -v inkscape >/dev/null; then
    inkscape "$out/$id.svg" --export-type=png --export-filename="$tmp/$size.png" \
      --export-width=$size --export-height=$size 2>/dev/null
  else
    rsvg-convert -w $size -h $size -o "$tmp/$size.png" "$out/$id.svg"
  fi
  # -strip keeps dates out of the file, so a remake gives the same bytes.
  convert "$tmp/$size.png" -strip "PNG32:$out/$size/$id.png"
done
