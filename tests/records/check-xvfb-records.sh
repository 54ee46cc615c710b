#!/usr/bin/env bash
# The real program under a window manager: a class made from a file of names, a pupil picks her
# name at the start, finishes the Moon quiz, and each topic's ordering and labelling activity with
# every card dragged with the left button into its own box, to full marks (the certificate's name
# box appears on the results screen); the teacher opens the Class Record with a new password, finds
# the quiz's and the timeline's results, saves them as CSV and prints the record to PDF.
set -u
XVFB_TOOLS="openbox pdftotext"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CONFIG_DIRS="$work/none" XDG_DOCUMENTS_DIR="$work/home/Documents"
mkdir -p "$HOME" "$work/pdf"
printf 'Name,Year\n"Lee, Ann",4\nBob Ray,4\n' >"$work/names.csv"
env -u DISPLAY "$XVFB_PROGRAM" --data-dir "$XVFB_DATA" --add-class "Year 4 Oak" "$work/names.csv" >/dev/null ||
  fail "--add-class"
# Points of the screens, from their twips.
NAME2="512 236" CLASS_RECORD="694 611" PASSWORD2="512 371" RECORD_PRINT="178 628" RECORD_CSV="306 628"

start_openbox
# Under openbox the screens' client areas sit below its title bars: the points move with them.
SCALE=1.0 SCREEN_XY="112 104" TITLE_XY="330 175"
start_program --print-to-pdf "$work/pdf"
click TITLE_OK
click NAME2                                      # "Lee, Ann", after "Bob Ray"
click MENU_MOON
click HUB_QUIZ
answer_moon_quiz
for _ in results hub; do click EXIT; done
full_marks MENU_MOON HUB_ORDERING "$MOONORD"
full_marks MENU_MOON HUB_LABELLING "$MOONLAB"
full_marks MENU_CAESAR HUB_ORDERING "$CAESARORD"
full_marks MENU_CAESAR HUB_LABELLING "$CAESAR2LAB"
click CLASS_RECORD
xdotool type --delay 20 "chalk-dust"
click PASSWORD2
xdotool type --delay 20 "chalk-dust"
key Return
click RECORD_CSV
key Return                                       # the message naming the file
csv=$(ls "$HOME"/Documents/*.csv 2>/dev/null | head -n1)
[ -n "$csv" ] || fail "no CSV file in $HOME/Documents"
grep -q '^"Lee, Ann","Year 4 Oak","The Moon Landings","Quiz",10,10,' "$csv" || fail "no quiz result in: $(cat "$csv")"
grep -q '^"Lee, Ann","Year 4 Oak","The Moon Landings","Ordering",5,5,' "$csv" || fail "no timeline result in: $(cat "$csv")"
click RECORD_PRINT 0
# The page is written while the job runs: wait for a whole one.
printed() { pdftotext "$(ls "$work"/pdf/*.pdf 2>/dev/null | tail -n1)" - 2>/dev/null | grep -qF "$1"; }
poll printed "Class Record: Year 4 Oak" || fail "nothing printed"
for want in "Lee, Ann" "The Moon Landings: Quiz: 10/10" "The Moon Landings: Ordering: 5/5"; do
  printed "$want" || fail "the printout lacks '$want': $(pdftotext "$(ls "$work"/pdf/*.pdf | tail -n1)" -)"
done
rm -rf "$work"
finish xvfb-records
