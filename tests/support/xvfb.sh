# Sourced by the checks that drive the real program under Xvfb with xdotool.
#
# Outside Xvfb, `xvfb_enter "$0" "$@"` finds the program, copies the bundled data into a scratch
# folder and runs the calling script again on a fresh 1024 x 768 display, then exits with its
# status (77, skipped, where the tools are missing). Inside, the helpers below start the program
# and find its windows; the script goes on after xvfb_enter.

xvfb_enter() {
  local script=$1
  shift
  [ -n "${TELLWYN_IN_XVFB:-}" ] && return 0
  local tool
  for tool in xvfb-run xdotool ${XVFB_TOOLS:-}; do
    command -v "$tool" >/dev/null || { echo "skip: no $tool"; exit 77; }
  done
  local src bin data status
  src="${TELLWYN_SOURCE:-$(cd "$(dirname "$script")/../.." && pwd)}"
  bin="${TELLWYN_BUILD:-$src/build}/tellwyn"
  [ -x "$bin" ] || { echo "no program at $bin"; exit 1; }
  data=$(mktemp -d)
  cp -r "$src/data/." "$data/"
  # xvfb-run -a takes the first free display from the one given; starting each check at a random
  # one keeps checks that start together from racing for the same display.
  TELLWYN_IN_XVFB=1 XVFB_PROGRAM="$bin" XVFB_DATA="$data" \
    xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 ${XVFB_SCREEN:-1024x768}x24 -noreset" bash "$script" "$@"
  status=$?
  rm -rf "$data"
  exit $status
}

source "$(dirname "${BASH_SOURCE[0]}")/points.sh"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
# Clicks a named point of points.sh (or "x y"), then waits (half a second unless told).
click() {
  local xy=($1)
  [[ $1 =~ ^[A-Z0-9_]+$ ]] && xy=(${!1})
  [ "$SCALE" = 1 ] || xy=($(scaled "${xy[@]}" "$([[ $1 == TITLE_* ]] && echo title)"))
  xdotool mousemove "${xy[0]}" "${xy[1]}" click 1
  sleep "${2:-0.5}"
}
# Drags with the left button from x1 y1 to x2 y2, points of points.sh.
drag() {
  local a=($1 $2) b=($3 $4)
  [ "$SCALE" = 1 ] || { a=($(scaled "$1" "$2")); b=($(scaled "$3" "$4")); }
  xdotool mousemove "${a[@]}"; sleep 0.1; xdotool mousedown 1; sleep 0.1
  xdotool mousemove "${b[@]}"; sleep 0.1; xdotool mouseup 1; sleep 0.2
}
key() { xdotool key --delay 60 "$@"; sleep 0.4; }
# Answers the open Moon quiz by letter, each right answer as its question set says.
answer_moon_quiz() {
  local letters=(x a b c d) right
  for right in $(awk 'NR > 2 && (NR - 2) % 7 == 6 { sub(/\r/, ""); print }' "$XVFB_DATA/multiple/The Moon Landings.txt"); do
    key "${letters[$right]}" Return
  done
}
# The title screen is named "Tellwyn" as every screen is, and is the one taller than wide.
portrait() { xwininfo -id "$1" | awk '/Width:/ {w = $NF} /Height:/ {h = $NF} END {exit !(h > w)}'; }
tellwyn_ids() { xdotool search --onlyvisible --name '^Tellwyn$' 2>/dev/null; }
# The first visible window whose title matches; "title" is the title screen, and '^Tellwyn$' one
# of the 800 x 600 screens.
visible() {
  local w
  if [ "$1" = title ]; then
    for w in $(tellwyn_ids); do portrait "$w" && { echo "$w"; break; }; done
  elif [ "$1" = '^Tellwyn$' ]; then
    for w in $(tellwyn_ids); do portrait "$w" || { echo "$w"; break; }; done
  else
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1
  fi
}
# Prints the window whose title matches, once it shows (within the seconds given).
window_for() {
  local w
  for _ in $(seq 1 $(($2 * 10))); do
    w=$(visible "$1")
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
wait_for() { window_for "$@" >/dev/null; }
# How many 800 x 600 screens (caption "Tellwyn") are up; waiting until there are as many as given.
count() { for w in $(tellwyn_ids); do portrait "$w" || echo "$w"; done | wc -l; }
screens() { for _ in $(seq 1 50); do [ "$(count)" -eq "$1" ] && return 0; sleep 0.1; done; return 1; }
# A window's client area: left, top, width, height.
client() { xwininfo -id "$1" | awk '/Absolute upper-left [XY]/ {printf "%s ", $NF} /Width:|Height:/ {printf "%s ", $NF}'; }
# The colour of a pixel of the display, as #RRGGBB.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }

# Opens the wizard from the menu and types a whole worksheet titled $1 into it: question i reads
# "Question i", its answers "Ai" to "Di", and the tick is on answer (i - 1) mod 4 + 1.
fill_wizard() {
  click MENU_WIZARD 1
  xdotool type --delay 1 "$1"
  xdotool key Return
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool type --delay 1 "Question $i"
    xdotool key Return
    for k in A B C D; do xdotool type --delay 1 "$k$i"; xdotool key Return; done
  done
  for i in 0 1 2 3 4 5 6 7 8 9; do click "$(wizard_tick $i $((i % 4)))" 0.3; done
}
# Starts openbox, as a pupil's desktop has a window manager, and waits until it manages the
# display; it and the program go when the script ends.
start_openbox() {
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  trap 'kill "$wm" "${pid:-}" 2>/dev/null' EXIT
  for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
}
# Starts the program on the scratch data, with any further options, and waits for its title
# screen. At the designed size, where the points of points.sh hold, unless the script
# sets XVFB_OPTIONS.
start_program() {
  launch_until_title --data-dir "$XVFB_DATA" ${XVFB_OPTIONS---scale 1} "$@"
}
# Starts the program with the options given and waits for its title screen. A program that ends
# before showing it is started again, twice at most: on a loaded machine a display just started
# can refuse the first connection ("could not connect to display"); a program that cannot start
# at all still fails here.
launch_until_title() {
  local try
  for try in 1 2 3; do
    QT_QPA_PLATFORM=xcb "$XVFB_PROGRAM" "$@" &
    pid=$!
    for _ in $(seq 1 200); do
      [ -n "$(visible title)" ] && return 0
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && break
    echo "the program ended before its title screen showed (try $try)"
  done
  fail "the title screen did not appear"
}
# Starts the program and opens the menu with the title screen's "OK".
start_at_menu() {
  start_program "$@"
  click TITLE_OK 1
  wait_for '^Tellwyn$' 10 || fail "OK did not open the menu"
}
# Waits for the program to end, as the given action should have made it, with status 0.
ended() {
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "$1 did not end the program"
  wait "$pid"
  local status=$?
  [ "$status" -eq 0 ] || fail "$1 ended the program with status $status"
}
