#!/usr/bin/env bash
# End to end through CUPS: a cups-pdf queue becomes the system's default printer, a certificate and
# a worksheet are printed through the real default-printer path, and the PDFs that come out must
# hold the pupil's name, the score sentence and every question. Starts cupsd when it is not
# running and stops it again; removes its queue and restores the previous default.
# Skips (77) unless run as root with cupsd, lpadmin, cups-pdf and pdftotext installed.
set -euo pipefail
source "$(dirname "$0")/../support/xvfb.sh" # $src, $build, needs, poll
skip() { echo "skipped: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "needs root"
needs cupsd lpadmin lpoptions lpstat pdftotext
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
  [ -z "$old_default" ] || lpoptions -d "$old_default" >/dev/null 2>&1 || true
  [ -z "$started_pid" ] || { kill "$started_pid"; wait "$started_pid"; } 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
running() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! running; then
  cupsd -f &
  started_pid=$!
  poll running || { echo "cupsd did not start"; exit 1; }
fi

# cups-pdf distils PostScript again; with pdftocairo making that PostScript the fonts keep their
# character codes, so pdftotext can read the text back (Ghostscript and Poppler's own pdftops
# lose them on the way).
lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null
lpoptions -d "$queue" >/dev/null
# cups-pdf writes into the job owner's PDF folder, or the anonymous one (see cups-pdf.conf).
out_dirs=$(for d in "$HOME/PDF" /root/PDF /var/spool/cups-pdf/ANONYMOUS; do readlink -f "$d"; done | sort -u)
touch "$work/start"
QT_QPA_PLATFORM=offscreen timeout 60 "$build/tests/tellwyn-print-samples" "$src/data" "$name" \
  >"$work/questions.txt" 2>"$work/stderr.txt" || { cat "$work/stderr.txt"; echo "printing failed"; exit 1; }

# Both jobs done (cups-pdf has written its files), within a minute.
done_printing() { [ -z "$(lpstat -o "$queue" 2>/dev/null)" ]; }
WAIT_SECONDS=60 poll done_printing || { echo "the jobs did not finish"; lpstat -o || true; exit 1; }
mapfile -t found < <(find $out_dirs -maxdepth 1 -name '*.pdf' -newer "$work/start" 2>/dev/null)
[ "${#found[@]}" -ge 2 ] || { echo "expected 2 PDFs, found ${#found[@]}"; exit 1; }
for pdf in "${found[@]}"; do pdftotext -layout "$pdf" - | tr -s ' ' >>"$work/all.txt"; rm -f "$pdf"; done

status=0
{ echo "$name"; echo "You have scored 10 out of 10."; echo "Excellent Work"; tr -s ' ' <"$work/questions.txt"; } |
  while IFS= read -r line; do
    [ -z "$line" ] || grep -qF -- "$line" "$work/all.txt" || { echo "MISSING: $line"; exit 1; }
  done || { status=1; echo "--- text of the PDFs ---"; cat "$work/all.txt"; }
exit "$status"
