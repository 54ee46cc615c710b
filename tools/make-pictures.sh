#!/bin/sh
# Rasterises the drawings in assets/images and assets/logo into data/Images and
# data/logo at the sizes the screens show them, and at twice those sizes.
# Usage: make-pictures.sh        (from the repository; called by make-content.sh)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# render SVG WIDTH HEIGHT PNG: expand our directives, then let Inkscape draw it.
render() {
  python3 tools/svg-expand.py "$1" "$tmp/in.svg"
  inkscape "$tmp/in.svg" --export-type=png --export-filename="$4" \
    --export-width="$2" --export-height="$3" 2>/dev/null
}

rm -rf data/Images data/logo
mkdir -p data/Images data/logo
# Each picture at its designed size and at twice that ("name@2x.jpg"), for screens drawn larger on
# projectors; the program picks the density that the display can use.
for n in 1 2; do
  at=""
  [ "$n" -eq 1 ] || at="@${n}x"
  while read -r name w h; do
    render "assets/images/$name.svg" "$((w * n))" "$((h * n))" "$tmp/$name.png"
    # -strip keeps dates out of the file, so a remake gives the same bytes.
    convert "$tmp/$name.png" -background white -flatten -strip -sampling-factor 4:2:0 \
      -quality 90 "data/Images/$name$at.jpg"
  done <<'LIST'
london 313 304
lunarmodule 800 638
vercingetorix 789 541
lunarmodulesm 324 244
caesarsm 57 41
londonsm 57 41
saturnv2 218 354
service 242 242
lunarmodule2 217 244
splashdown 244 167
caesar2 150 272
LIST

  render assets/logo/lumenda-static.svg $((120 * n)) $((89 * n)) "$tmp/static.png"
  convert "$tmp/static.png" -background white -flatten -strip -type TrueColor BMP3:"data/logo/lumenda2$at.bmp"

  # Twenty frames of the turning sun: 1.5 degrees a frame, so frame 20 would be
  # frame 0 again (the rays repeat every 30 degrees) and the loop has no jump.
  i=0
  while [ "$i" -lt 20 ]; do
    angle=$(awk "BEGIN { print $i * 1.5 }")
    sed "s/id=\"rays\" transform=\"rotate(0 /id=\"rays\" transform=\"rotate($angle /" \
      assets/logo/mark.svg > "$tmp/mark.svg"
    sed "s|<!--#include mark.svg-->|<!--#include $tmp/mark.svg-->|" \
      assets/logo/lumenda-frame.svg > "$tmp/frame.svg"
    render "$tmp/frame.svg" $((120 * n)) $((120 * n)) "$tmp/frame.png"
    convert "$tmp/frame.png" -background white -flatten -strip "data/logo/lume00$(printf %02d "$i")$at.gif"
    i=$((i + 1))
  done
done
