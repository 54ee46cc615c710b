#!/usr/bin/env bash
# End to end through CUPS: a cups-pdf queue becomes the system's default printer, a certificate and
# a worksheet are printed through the real default-printer path, and the PDFs that come out must
# hold the pupil's name, the score sentence and every question. Starts cupsd when it is not
# running and stops it again; removes its queue and restores the previous default.
# Skips (77) unless run as root with cupsd, lpadmin, cups-pdf and pdftotext installed.
set -euo pipefail
src=${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${TELLWYN_BUILD:-$src/build}
skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "needs root"
for tool in cupsd lpadmin lpoptions lpstat pdftotext; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "cups-pdf is not installed"
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1)
[ -n "$ppd" ] || skip "no cups-pdf PPD"
cmake --build "$build" --target tellwyn-print-samples >/dev/null

queue=TellwynPDF
name="Ada Lovelace $$"
started_pid=
old_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p' || true)
work=$(mktemp -d)
cleanup() {
  lpadmin -x "$queue" 2>/dev/null || true
  if [ -n "$old_default" ]; then lpoptions -d "$old_default" >/dev/null 2>&1 || true; fi
  if [ -n "$started_pid" ]; then
    kill "$started_pid" 2>/dev/null || true
    wait "$started_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  cupsd -f &
  started_pid=$!
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
  lpstat -r | grep -q "is running" || { echo "cupsd did not start"; exit 1; }
fi

# cups-pdf distils PostScript again; with pdftocairo making that PostScript the fonts keep their
# character codes, so pdftotext can read the text back (Ghostscript and Poppler's own pdftops
# lose them on the way).
lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null
lpoptions -d "$queue" >/dev/null

# cups-pdf writes into the job owner's PDF folder, or the anonymous one (see cups-pdf.conf).
out_dirs=$(for d in "$HOME/PDF" /root/PDF /var/spool/cups-pdf/ANONYMOUS; do readlink -f "$d"; done | sort -u)
touch "$work/start"
sleep 1

QT_QPA_PLATFORM=offscreen timeout 60 "$build/tests/tellwyn-print-samples" "$src/data" "$name" \
  >"$work/questions.txt" 2>"$work/stderr.txt" || { cat "$work/stderr.txt"; echo "printing failed"; exit 1; }

# Wait (up to a minute) for both PDFs.
found=()
for _ in $(seq 120); do
  mapfile -t found < <(find $out_dirs -maxdepth 1 -name '*.pdf' -newer "$work/start" 2>/dev/null)
  [ "${#found[@]}" -ge 2 ] && break
  sleep 0.5
done
[ "${#found[@]}" -ge 2 ] || { echo "expected 2 PDFs, found ${#found[@]}"; lpstat -o || true; exit 1; }
sleep 1 # let cups-pdf finish writing

: >"$work/all.txt"
for pdf in "${found[@]}"; do
  pdftotext -layout "$pdf" - | tr -s ' ' >>"$work/all.txt"
  rm -f "$pdf"
done

status=0
expect() {
  if grep -qF -- "$1" "$work/all.txt"; then echo "found: $1"; else echo "MISSING: $1"; status=1; fi
}
expect "$name"
expect "You have scored 10 out of 10."
expect "Excellent Work"
while IFS= read -r question; do
  [ -n "$question" ] && expect "$(printf '%s' "$question" | tr -s ' ')"
done <"$work/questions.txt"
[ "$status" = 0 ] || { echo "--- text of the PDFs ---"; cat "$work/all.txt"; }
exit "$status"
