#!/bin/sh
# Remakes every generated file under data/ from the sources in assets/.
# Usage: tools/make-content.sh            (run from anywhere; about a minute)
# Needs: python3, inkscape, imagemagick, sox, fonts-liberation.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Inkscape's WMF export turns text into outlines unless told otherwise; a
# private profile keeps text as text (EXTTEXTOUT records with real fonts).
mkdir -p "$tmp/profile"
cat > "$tmp/profile/preferences.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<inkscape version="1">
  <group id="extensions"
     org.inkscape.output.wmf.textToPath="false"
     org.inkscape.output.wmf.TnrToSymbol="false"
     org.inkscape.output.wmf.TnrToWingdings="false"
     org.inkscape.output.wmf.TnrToZapfDingbats="false"
     org.inkscape.output.wmf.UsePUA="false" />
</inkscape>
XML
export INKSCAPE_PROFILE_DIR="$tmp/profile"

echo "question sets"
mkdir -p data/multiple
python3 tools/make-questions.py assets/questions/moon.txt "data/multiple/The Moon Landings.txt"
python3 tools/make-questions.py assets/questions/caesar.txt "data/multiple/Julius Caesar.txt"
printf ' 0 \r\n' > data/multiple/track.txt   # the empty worksheet index

echo "sounds"
rm -rf data/wav
sh tools/make-sounds.sh data/wav

echo "page pictures"
python3 tools/make-pages.py "$tmp/pages" assets/pages/*.txt
for scheme in screen paper; do
  dir=data/wmf; [ "$scheme" = paper ] && dir=data/wmf2
  rm -rf "$dir"; mkdir -p "$dir"
  for svg in "$tmp/pages/$scheme"/*.svg; do
    name=$(basename "$svg" .svg)
    inkscape "$svg" --export-type=wmf --export-filename="$dir/$name.wmf" 2>/dev/null
  done
done

if [ -f tools/make-pictures.sh ]; then
  echo "pictures and logo"
  sh tools/make-pictures.sh
fi
echo "done"
