#!/usr/bin/env bash
# The real program under Xvfb, driven with xdotool as a teacher would: open a worksheet from the
# catalogue for editing, save it under a new title, then delete the first one. (Typing a worksheet
# into the wizard and running it is the install check's; running one, the practice check's.)
set -u
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

index="$XVFB_DATA/multiple/track.txt"
lists() { tr -d '\r' <"$index" | tail -n +2 | tr '\n' '|'; }
worksheet_text "Kings and Queens" "Who reigned& question %s?" >"$XVFB_DATA/multiple/Kings and Queens.txt"
printf ' 1 \r\nKings and Queens\r\n' >"$index"

start_at_menu
click MENU_CATALOGUE
click CATALOGUE_EDIT
click CATALOGUE_TITLE1                           # into the wizard
click WIZARD_TITLE; xdotool key End; xdotool type " 2"
click WIZARD_SAVE                                # under the new title
[ "$(lists)" = "Kings and Queens|Kings and Queens 2|" ] || fail "after editing the index lists '$(lists)'"
cmp -s <(sed "1s/Queens/Queens 2/" "$XVFB_DATA/multiple/Kings and Queens.txt") "$XVFB_DATA/multiple/Kings and Queens 2.txt" ||
  fail "the edited copy is not the worksheet under its new title"
key Return                                       # OK on "Your worksheet has been saved."
click EXIT                                       # the wizard's
click CATALOGUE_DELETE
click CATALOGUE_TITLE1
key Return                                       # OK: yes, delete it
[ "$(lists)" = "Kings and Queens 2|" ] || fail "after deleting the index lists '$(lists)'"
click EXIT                                       # back to the menu
poll shows '^Tellwyn$' || fail "no menu after the catalogue's Exit"
finish xvfb-worksheets
