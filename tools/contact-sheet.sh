#!/bin/sh
# Writes pictures for a person to look at the content, into OUTDIR:
#   pictures.png      every picture and logo frame, labelled, at its real size
#   page-<name>-screen.png / -paper.png   every page picture as screen and paper see it
#   sounds.png        a spectrogram of every sound
# Usage: contact-sheet.sh OUTDIR
set -eu
out=${1:?usage: contact-sheet.sh OUTDIR}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$root/data"

montage -label '%f\n%wx%h' Images/*.jpg logo/lumenda2.bmp logo/lume*.gif \
  -tile 6x -geometry '+8+8' -background '#cccccc' -pointsize 11 "$out/pictures.png"

# The pages are drawn from the same SVG that went into each metafile; the screen
# versions go on the screen's blue, and a line marks where the window cuts them off.
python3 "$root/tools/make-pages.py" "$tmp/pages" "$root"/assets/pages/*.txt >/dev/null
for svg in "$tmp/pages/screen"/*.svg "$tmp/pages/paper"/*.svg; do
  scheme=$(basename "$(dirname "$svg")")
  name=$(basename "$svg" .svg | tr ' ' '-')
  bg='#ffffff'; [ "$scheme" = screen ] && bg='#273f89'
  inkscape "$svg" --export-type=png --export-filename="$tmp/p.png" \
    --export-background="$bg" --export-background-opacity=1 2>/dev/null
  if [ "$scheme" = screen ]; then
    convert "$tmp/p.png" -fill none -stroke '#ff6060' -draw 'line 0,528 699,528' "$out/page-$name-$scheme.png"
  else
    cp "$tmp/p.png" "$out/page-$name-$scheme.png"
  fi
done

mkdir -p "$tmp/sonograms"
for w in wav/*.wav; do
  sox "$w" -n spectrogram -x 300 -y 129 -t "$(basename "$w")" -o "$tmp/sonograms/$(basename "$w" .wav).png"
done
montage "$tmp"/sonograms/*.png -tile 4x -geometry '+4+4' "$out/sounds.png"
echo "wrote $out"
