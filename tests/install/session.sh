#!/usr/bin/env bash
# One user's session with the installed program on a display of its own (check-school.sh starts
# it as an unprivileged user with a fresh HOME, beside a copy of ../support/xvfb.sh).
#
#   session.sh PROGRAM first              a new user: the title screen and the menu show, a hub
#                                         shows its pictures, a worksheet typed in the wizard is
#                                         saved into the user's data folder, the sound plugin is loaded
#   session.sh PROGRAM refused            the catalogue's first title not deleted: a message says
#                                         why (check-school.sh reads the folder)
set -u
source "$(dirname "$0")/xvfb.sh"
XVFB_PROGRAM=$1 mode=$2
shift 2

# The server names its own free display once it is ready: no two checks can pick the same one.
rm -f "$HOME/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$HOME/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
poll [ -s "$HOME/display" ] || fail "Xvfb named no display"
export DISPLAY=":$(head -n1 "$HOME/display")"

first() {
  local folder="$HOME/.local/share/Tellwyn/multiple" hub
  start_at_menu
  [ "$(od -An -c "$folder/track.txt" | tr -s ' ')" = " 0 \r \n" ] || fail "no empty index in $folder"
  click MENU_MOON
  hub=$(import -silent -window root -crop 400x400+152+164 -format %k info:) # colours of the picture
  [ "$hub" -gt 500 ] || fail "the hub's picture shows only $hub colours"
  click EXIT
  fill_wizard "Rivers of Europe"
  click WIZARD_SAVE
  cmp -s <(printf ' 1 \r\nRivers of Europe\r\n') "$folder/track.txt" || fail "the index is not as written"
  cmp -s <(worksheet_text "Rivers of Europe" "Question %s") "$folder/Rivers of Europe.txt" || fail "the worksheet file is not as typed"
  grep -q tellwyn-sound "/proc/$pid/maps" || fail "the sound plugin was not loaded"
  kill "$pid"
  echo "${SECONDS}s: first start: title, menu, hub picture ($hub colours), worksheet saved"
}

refused() {
  local catalogue
  start_at_menu
  click MENU_CATALOGUE
  click CATALOGUE_DELETE
  catalogue=$(count)
  click CATALOGUE_TITLE1
  key Return                   # OK: yes, delete it
  screens $((catalogue + 1)) || fail "no message refused the delete"
  kill "$pid"
  echo "${SECONDS}s: delete refused"
}

"$mode" "$@"
