#!/usr/bin/env bash
# The real program under Xvfb, driven with xdotool as a pupil would: from the menu, each topic's
# ordering and labelling activity; every card dragged with the left button into its own box, then
# "Check Score" gives full marks (the certificate's name box appears on the results screen). On the
# Moon timeline two cards swapped give no certificate.
set -u
XVFB_TOOLS=import
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

shots="${TELLWYN_SHOTS:-}"
# Screens are 800 x 600 pixels at (112, 84); positions below are the screens' own twips.
at() { echo $(( 112 + $1 / 15 )) $(( 84 + $2 / 15 )); }
click() { xdotool mousemove $(at "$1" "$2") click 1; sleep "${3:-0.5}"; }
drag() { # from the middle of one box to the middle of another: left, top, width, height each
  local from to
  from=$(at $(( $1 + $3 / 2 )) $(( $2 + $4 / 2 ))); to=$(at $(( $5 + $7 / 2 )) $(( $6 + $8 / 2 )))
  xdotool mousemove $from; sleep 0.1; xdotool mousedown 1; sleep 0.1
  xdotool mousemove $to; sleep 0.1; xdotool mouseup 1; sleep 0.2
}
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }
shot() { [ -n "$shots" ] && import -window root "$shots/$1.png"; }

start_program
xdotool mousemove 462 571 click 1                     # OK
wait_for '^Tellwyn$' 10 || fail "OK did not open the menu"
sleep 1

# One row per card: the card's starting box, then its own slot.
moonord="240 6000 3435 855 8040 2400 3435 855
4200 6000 3435 855 8040 240 3435 855
8160 6000 3435 855 8040 4560 3435 855
6240 6960 3435 855 8040 1320 3435 855
2220 6960 3435 855 8040 3480 3435 855"
moonord_swapped="240 6000 3435 855 8040 240 3435 855
4200 6000 3435 855 8040 2400 3435 855
8160 6000 3435 855 8040 4560 3435 855
6240 6960 3435 855 8040 1320 3435 855
2220 6960 3435 855 8040 3480 3435 855"
caesarord="240 6360 3435 615 8040 2160 3435 615
240 7080 3435 615 8040 240 3435 615
8160 6360 3435 615 8040 4080 3435 615
8160 7080 3435 615 8040 1200 3435 615
4200 7080 3435 615 8040 3120 3435 615
4200 6360 3435 615 8040 5040 3435 615"
moonlab="120 6480 2205 615 8760 7200 2205 615
120 7200 2205 615 4560 4680 2205 615
2400 7200 2205 615 8760 3870 2205 615
2400 6480 2205 615 720 5520 2205 615"
caesar2lab="660 7200 1635 495 5160 6240 1635 495
6000 7200 1635 495 5160 4800 1635 495
2400 7200 1635 495 9120 5520 1635 495
4200 7200 1635 495 5160 5520 1635 495
7800 7200 1635 495 9120 4800 1635 495
9600 7200 1635 495 9120 6240 1635 495"

passed=0
# topic entry on the menu (middle, twips), activity button on the hub, cards, full marks expected
run() {
  local name=$1 tx=$2 ty=$3 ax=$4 cards=$5 full=$6
  click "$tx" "$ty" 1                                  # the topic
  click "$ax" 8167 1                                   # Ordering / Labelling Activity
  shot "$name-open"
  while read -r row; do drag $row; done <<<"$cards"
  shot "$name-placed"
  click 7282 8167 1.5                                  # Check Score
  shot "$name-results"
  # The certificate's name box (white) is shown only for full marks.
  local colour; colour=$(pixel $(at 3300 6900))
  if [ "$full" = yes ]; then [ "$colour" = "#FFFFFF" ] || fail "$name: no full marks ($colour)"
  else [ "$colour" != "#FFFFFF" ] || fail "$name: full marks with two cards swapped"; fi
  click 11182 8167 0.8                                 # the results' Exit
  click 11182 8167 0.8                                 # the activity's Exit
  click 11182 8167 1                                   # the hub's Exit, back to the menu
  passed=$((passed + 1))
}
run moonord 5077 6547 8677 "$moonord" yes
run moonlab 5077 6547 5197 "$moonlab" yes
run caesarord 1717 3667 8677 "$caesarord" yes
run caesar2lab 1717 3667 5197 "$caesar2lab" yes
run moonord-swapped 5077 6547 8677 "$moonord_swapped" no
kill "$pid" 2>/dev/null
echo "xvfb-activities: $passed passed, 0 failed"
