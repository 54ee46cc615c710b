#!/usr/bin/env bash
# The real program with no options on a projector's 1920 x 1080 display and on a 3840 x 2160 one,
# under openbox: the screens grow to fill the display (the menu at least 85 % of its height), and
# the hubs, the four activities dragged to full marks, the wizard (typing, ticking, saving) and the
# catalogue listing the new worksheet and running it as a quiz all work at the scaled positions;
# full screen keeps the menu whole in the middle.
# Usage: check-xvfb-scale.sh [WIDTHxHEIGHT]   (both sizes when none is given)
set -u
if [ -z "${TELLWYN_IN_XVFB:-}" ] && [ $# -eq 0 ]; then
  for size in 1920x1080 3840x2160; do bash "$0" "$size" || exit; done
  exit 0
fi
XVFB_TOOLS="openbox wmctrl xprop xwininfo import"
XVFB_SCREEN=$1
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

start_openbox

XVFB_OPTIONS="" start_program
read -r tx ty tw th < <(client "$(visible title)")
# The 364 x 438 title screen tells the scale, in quarters.
SCALE=$(awk -v w="$tw" 'BEGIN { print int(w / 364 * 4 + 0.5) / 4 }')
TITLE_XY="$tx $ty"
click TITLE_OK
poll shows '^Tellwyn$' || fail "OK did not open the menu"
menu=$(visible '^Tellwyn$')
read -r mx my mw mh < <(client "$menu")
SCREEN_XY="$mx $my"
height=${XVFB_SCREEN#*x}
read -r _ _ _ fh < <(frame "$menu")
[ $((100 * fh)) -ge $((85 * height)) ] || fail "at ${SCALE}x the menu is $fh of the display's $height pixels tall"

full_marks MENU_MOON HUB_ORDERING "$MOONORD"
full_marks MENU_MOON HUB_LABELLING "$MOONLAB"
full_marks MENU_CAESAR HUB_ORDERING "$CAESARORD"
full_marks MENU_CAESAR HUB_LABELLING "$CAESAR2LAB"

# A worksheet typed in the wizard, ticked and saved, then listed in the catalogue.
fill_wizard Projector
click WIZARD_SAVE
grep -q "^Projector" "$XVFB_DATA/multiple/track.txt" || fail "the wizard did not save at ${SCALE}x"
key Return
click EXIT
click MENU_CATALOGUE
before=$(count)
click CATALOGUE_TITLE1                           # the new worksheet, run as a quiz
screens $((before + 1)) || fail "the catalogue did not list and open the worksheet at ${SCALE}x"
key Escape; click EXIT                           # the quiz's and the catalogue's

# Full screen, the menu stays whole in the middle on the backdrop's colour, and its buttons work.
screens 1 || fail "no way back to the menu from the catalogue at ${SCALE}x"
menu=$(visible '^Tellwyn$')
wmctrl -i -r "$menu" -b add,fullscreen
filled() { read -r fx fy fw fh < <(client "$menu"); [ "$fw" -eq "${XVFB_SCREEN%x*}" ] && pixel_is $((fx + 2)) $((fy + 2)) "#3085D6"; }
poll filled || fail "full screen left the menu at ${fw}x$fh, or no backdrop colour round it"
settled
SCREEN_XY="$((fx + (fw - mw) / 2)) $((fy + (fh - mh) / 2))"
click MENU_MOON
screens 2 || fail "the full-screen menu did not open the hub"
echo "xvfb-scale $XVFB_SCREEN at ${SCALE}x: 1 passed, 0 failed"
