#!/usr/bin/env bash
# One user's session with the installed program on a display of its own (check-install.sh starts
# it as an unprivileged user with a fresh HOME). Sourced helpers: ../support/xvfb.sh.
#
#   session.sh PROGRAM first                  a new user: the title screen and the menu show, a hub
#                                             shows its pictures, a worksheet typed in the wizard is
#                                             saved into the user's data folder, listed in the
#                                             catalogue and run as a quiz
#   session.sh PROGRAM shared DIR NAME COUNT  COUNT worksheets saved into the shared folder DIR
set -u
here=$(dirname "$0")
source "$here/xvfb.sh"
program=$1
mode=$2
shift 2

# The server names its own free display once it is ready: no two checks can pick the same one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$HOME/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for _ in $(seq 1 100); do
    [ -s "$HOME/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -n1 "$HOME/display")"

# Clicks at a point of the 800 x 600 screen, which sits centred on the 1024 x 768 display.
at() { xdotool mousemove $((112 + $1)) $((84 + $2)) click 1; sleep "${3:-0.3}"; }
# How many colours a part of the screen shows (x y width height, in screen pixels).
colours() { import -silent -window root -crop "$3x$4+$((112 + $1))+$((84 + $2))" -format %k info:; }
windows() { xdotool search --onlyvisible --name '^Tellwyn$' 2>/dev/null | wc -l; }

start() {
    QT_QPA_PLATFORM=xcb "$program" --scale 1 "$@" &
    pid=$!
    wait_for '^ $' 30 || fail "the title screen did not appear"
    xdotool mousemove $((330 + 132)) $((165 + 406)) click 1 # OK
    wait_for '^Tellwyn$' 15 || fail "OK did not open the menu"
    sleep 0.5
}

# Types a whole worksheet into the open wizard: question i has the answer (i - 1) mod 4 + 1.
fill_wizard() {
    xdotool type --delay 1 "$1"
    xdotool key Return
    for i in 1 2 3 4 5 6 7 8 9 10; do
        xdotool type --delay 1 "Question $i"
        xdotool key Return
        for k in A B C D; do
            xdotool type --delay 1 "$k$i"
            xdotool key Return
        done
    done
    for i in 0 1 2 3 4 5 6 7 8 9; do
        case $((i % 4)) in 0) l=480 t=1230 ;; 1) l=3330 t=1230 ;; 2) l=480 t=1560 ;; 3) l=3330 t=1560 ;; esac
        at $(((l + 5880 * (i / 5)) / 15 + 8)) $(((t + 1440 * (i % 5)) / 15 + 10)) 0.1
    done
}

# The bytes the wizard's worksheet must be stored as.
expected_file() {
    printf '%s\r\n \r\n' "$1"
    for i in 1 2 3 4 5 6 7 8 9 10; do
        printf 'Question %s\r\nA%s\r\nB%s\r\nC%s\r\nD%s\r\n%s\r\n \r\n' $i $i $i $i $i $(((i - 1) % 4 + 1))
    done
}

save() {
    at 121 544 0.5 # Save Worksheet
    xdotool key Return # "Your worksheet has been saved."
    sleep 0.2
}

first() {
    local folder="$HOME/.local/share/Tellwyn/multiple"
    start
    [ -f "$folder/track.txt" ] || fail "no index in $folder"
    [ "$(od -An -c "$folder/track.txt" | tr -s ' ')" = " 0 \r \n" ] || fail "a new index is not empty"
    at 338 436 1 # The Moon Landings
    [ "$(windows)" -ge 2 ] || fail "the hub did not open"
    local hub n
    hub=$(colours 40 80 400 400)
    [ "$hub" -gt 500 ] || fail "the hub's picture shows only $hub colours"
    at 745 544 0.6 # the hub's Exit

    at 626 408 0.8 # Multiple Choice Wizard
    fill_wizard "Rivers of Europe"
    save
    cmp -s <(printf ' 1 \r\nRivers of Europe\r\n') "$folder/track.txt" || fail "the index is not as written"
    cmp -s <(expected_file "Rivers of Europe") "$folder/Rivers of Europe.txt" ||
        fail "the worksheet file is not as typed"
    at 745 544 # Exit the wizard
    at 626 464 1 # Worksheet Catalogue
    n=$(colours 8 48 381 25)
    [ "$n" -gt 2 ] || fail "the catalogue shows no title"
    local before
    before=$(windows)
    at 198 60 1 # the title: run it as a quiz
    [ "$(windows)" -gt "$before" ] || fail "the worksheet did not open as a quiz"
    grep -q tellwyn-sound "/proc/$pid/maps" || fail "the sound plugin was not loaded"
    kill "$pid"
    wait "$pid" 2>/dev/null
    echo "${SECONDS}s: first start: title, menu, hub picture ($hub colours), worksheet saved, listed and run"
}

shared() {
    local dir=$1 name=$2 count=$3
    start --worksheets-dir "$dir"
    at 626 408 0.8 # Multiple Choice Wizard
    fill_wizard "$name 1"
    save
    for i in $(seq 2 "$count"); do
        xdotool mousemove $((112 + 738)) $((84 + 20)) click 1 key ctrl+a
        xdotool type --delay 1 "$name $i"
        save
    done
    kill "$pid"
    wait "$pid" 2>/dev/null
    echo "${SECONDS}s: $name saved $count worksheets"
}

"$mode" "$@"
