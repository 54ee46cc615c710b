# Sourced by the checks that drive the real program under Xvfb with xdotool.
#
# Outside Xvfb, `xvfb_enter "$0" "$@"` finds the program, copies the bundled data into a scratch
# folder and runs the calling script again on a fresh 1024 x 768 display, then exits with its
# status (77, skipped, where the tools are missing). Inside, the helpers below start the program
# and find its windows; the script goes on after xvfb_enter. Every check that sources it finds the
# source and build folders in $src and $build.

src="${TELLWYN_SOURCE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." 2>/dev/null && pwd)}"
build="${TELLWYN_BUILD:-$src/build}"
# Skips the check (status 77) where one of the tools named is missing.
needs() { local t; for t in "$@"; do command -v "$t" >/dev/null || { echo "skip: no $t"; exit 77; }; done; }
xvfb_enter() {
  local script=$1
  shift
  [ -n "${TELLWYN_IN_XVFB:-}" ] && return 0
  needs xvfb-run xdotool ${XVFB_TOOLS:-}
  local bin="$build/tellwyn" data status
  [ -x "$bin" ] || { echo "no program at $bin"; exit 1; }
  data=$(mktemp -d)
  cp -r "$src/data/." "$data/"
  mkdir "$data/home"
  # xvfb-run -a takes the first free display from the one given; starting each check at a random
  # one keeps checks that start together from racing for the same display. A home of the check's
  # own: nothing the user's settings remember (a size, a class, a server) reaches it.
  TELLWYN_IN_XVFB=1 XVFB_PROGRAM="$bin" XVFB_DATA="$data" HOME="$data/home" XDG_CONFIG_HOME="$data/home/.config" \
    XDG_DATA_HOME="$data/home/.local/share" XDG_CONFIG_DIRS="$data/none" \
    xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 ${XVFB_SCREEN:-1024x768}x24 -noreset" bash "$script" "$@"
  status=$?
  rm -rf "$data"
  exit $status
}

fail() { echo "FAIL: $*"; kill "${pid:-}" 2>/dev/null; exit 1; }
# Tries COMMAND... every 50 ms until it succeeds; gives up (status 1) after WAIT_SECONDS, 15 unless
# told, as a shared machine can be slow.
poll() {
  local end=$((SECONDS + ${WAIT_SECONDS:-15}))
  until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.05; done
}
# A checksum of everything on the display, into $now, from a looker kept running for each display
# (one new process for each look took longer than the look itself).
declare -A looker
look() {
  local d=${DISPLAY//[^0-9]/_} io fifo
  if [ -z "${looker[$d]:-}" ]; then
    fifo=$(mktemp -u) && mkfifo "$fifo.in" "$fifo.out"
    /usr/bin/python3 -c 'import ctypes as c, sys, zlib
x, xe, libc = c.CDLL("libX11.so.6"), c.CDLL("libXext.so.6"), c.CDLL(None)
x.XOpenDisplay.restype = xe.XShmCreateImage.restype = libc.shmat.restype = c.c_void_p
d = c.c_void_p(x.XOpenDisplay(None)); x.XDefaultRootWindow.restype = x.XDefaultVisual.restype = c.c_void_p
r, w, h = c.c_ulong(x.XDefaultRootWindow(d)), x.XDisplayWidth(d, 0), x.XDisplayHeight(d, 0)
info = (c.c_ulong * 4)()  # shared memory: segment, id, address, read-only
i = c.cast(xe.XShmCreateImage(d, c.c_void_p(x.XDefaultVisual(d, 0)), x.XDefaultDepth(d, 0), 2, None, info, w, h),
    c.POINTER(c.c_int))
c.cast(info, c.POINTER(c.c_int))[2] = shm = libc.shmget(0, i[11] * i[1], 0o1600)
info[2] = c.cast(i, c.POINTER(c.c_void_p))[2] = libc.shmat(shm, None, 0)
xe.XShmAttach(d, info); x.XSync(d, 0); libc.shmctl(shm, 0, None)
for _ in sys.stdin:
    xe.XShmGetImage(d, r, i, 0, 0, c.c_ulong(~0))
    print(zlib.crc32(c.string_at(info[2], i[11] * i[1])), flush=True)' <"$fifo.in" >"$fifo.out" &
    exec {io}>"$fifo.in"
    looker[$d]="$io"
    exec {io}<"$fifo.out"
    looker[$d]+=" $io"
    rm -f "$fifo.in" "$fifo.out"
  fi
  io=(${looker[$d]})
  echo >&"${io[0]}" && read -r now <&"${io[1]}"
}
new_look() { look; [ "$now" != "$seen" ] && seen=$now; }
same_look() { look; [ "$now" = "$seen" ] || { seen=$now; return 1; }; }
# Waits until the display looks the same twice running.
settled() { look; seen=$now; poll same_look || fail "the display went on changing"; }
# Runs COMMAND..., then waits until the display has changed and looks the same twice running.
after() {
  look; seen=$now
  "$@"
  poll new_look || fail "nothing changed on the display after: $*"
  poll same_look || fail "the display went on changing after: $*"
}
# Clicks a named point below (or "x y"), then waits for what it changes (not with "0").
# Two clicks running on one spot would make a double click, which a button takes for none: the
# second goes 7 pixels (of the designed size) to the right.
click() {
  local xy=($1)
  [[ $1 =~ ^[A-Z0-9_]+$ ]] && xy=(${!1})
  [ "${xy[*]}" = "${clicked:-}" ] && xy[0]=$((xy[0] + 7))
  clicked=${xy[*]}
  [ "$SCALE" = 1 ] || xy=($(scaled "${xy[@]}" "$([[ $1 == TITLE_* ]] && echo title)"))
  if [ "${2:-}" = 0 ]; then xdotool mousemove "${xy[0]}" "${xy[1]}" click 1; else
    after xdotool mousemove "${xy[0]}" "${xy[1]}" click 1; fi
}
# Drags with the left button from x1 y1 to x2 y2, points below.
drag() { after xdotool mousemove $(scaled "$1" "$2") mousedown 1 mousemove $(scaled "$3" "$4") mouseup 1; }
key() { after xdotool key "$@"; }
# Answers the open Moon quiz by letter, each right answer as its question set says.
answer_moon_quiz() {
  local letters=(x a b c d) right
  for right in $(awk 'NR > 2 && (NR - 2) % 7 == 6 { sub(/\r/, ""); print }' "$XVFB_DATA/multiple/The Moon Landings.txt"); do
    key "${letters[$right]}" Return
  done
}
# Drags each card ("x1 y1 x2 y2|...") home from the activity on the hub ($1, then $2), waits for
# full marks (the certificate's name box is white) and goes back to the menu.
full_marks() {
  local card cards
  click "$1"
  click "$2"
  IFS='|' read -ra cards <<<"$3"
  for card in "${cards[@]}"; do drag $card; done
  click CHECK_SCORE
  poll pixel_is $(scaled $CERTIFICATE_NAME) "#FFFFFF" || fail "$1 $2: no full marks at ${SCALE}x"
  for _ in results activity hub; do click EXIT; done
}
# The title screen is named "Tellwyn" as every screen is, and is the one taller than wide.
portrait() { xwininfo -id "$1" | awk '/Width:/ {w = $NF} /Height:/ {h = $NF} END {exit !(h > w)}'; }
tellwyn_ids() { xdotool search --onlyvisible --name '^Tellwyn$' 2>/dev/null; }
# The 800 x 600 screens (caption "Tellwyn") that are up.
wide_screens() { local w; for w in $(tellwyn_ids); do portrait "$w" || echo "$w"; done; }
# The first visible window whose title matches; "title" is the title screen, and '^Tellwyn$' one
# of the 800 x 600 screens.
visible() {
  local w
  case $1 in
    title) for w in $(tellwyn_ids); do portrait "$w" && { echo "$w"; break; }; done ;;
    '^Tellwyn$') wide_screens | head -n1 ;;
    *) xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 ;;
  esac
}
shows() { [ -n "$(visible "$1")" ]; }
# How many 800 x 600 screens are up; waiting until there are as many as given.
count() { wide_screens | wc -l; }
count_is() { [ "$(count)" -eq "$1" ]; }
screens() { poll count_is "$1"; }
# A window's client area: left, top, width, height.
client() { xwininfo -id "$1" | awk '/Absolute upper-left [XY]/ {printf "%s ", $NF} /Width:|Height:/ {printf "%s ", $NF}'; }
# The window manager's frame round a window's client area: left, top, width, height.
frame() {
  local fl fr ft fb cx cy cw ch
  read -r fl fr ft fb < <(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9]*' | tr '\n' ' ')
  read -r cx cy cw ch < <(client "$1")
  echo "$((cx - fl)) $((cy - ft)) $((cw + fl + fr)) $((ch + ft + fb))"
}
# The colour of a pixel of the display, as #RRGGBB.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

# Opens the wizard from the menu and types a whole worksheet titled $1 into it: question i reads
# "Question i", its answers "Ai" to "Di", and the tick is on answer (i - 1) mod 4 + 1.
fill_wizard() {
  click MENU_WIZARD
  xdotool type --delay 1 "$1"
  xdotool key Return
  for i in 1 2 3 4 5 6 7 8 9 10; do
    for k in "Question " A B C D; do xdotool type --delay 1 "$k$i"; xdotool key Return; done
  done
  for i in 0 1 2 3 4 5 6 7 8 9; do click "$(wizard_tick $i $((i % 4)))"; done
}
# The file of a worksheet titled $1 whose question i reads $2 (with i for %s), as fill_wizard types.
worksheet_text() {
  printf '%s\r\n \r\n' "$1"
  for i in 1 2 3 4 5 6 7 8 9 10; do printf "$2"'\r\nA%s\r\nB%s\r\nC%s\r\nD%s\r\n%s\r\n \r\n' $i $i $i $i $i $(((i - 1) % 4 + 1)); done
}
# Starts openbox, as a pupil's desktop has a window manager, and waits until it manages the
# display, with the machine's own settings for it; it and the program go when the script ends.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
start_openbox() {
  XDG_CONFIG_DIRS=/etc/xdg openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  trap 'kill "$wm" "${pid:-}" 2>/dev/null' EXIT
  poll wm_ready || fail "openbox did not start"
}
# Starts the program on the scratch data (the installed program's own without one), with any further
# options, and waits for its title screen. At the designed size, where the points below hold,
# unless the script sets XVFB_OPTIONS.
start_program() {
  launch_until_title ${XVFB_DATA:+--data-dir "$XVFB_DATA"} ${XVFB_OPTIONS---scale 1} "$@"
}
# Starts the program with the options given and waits for its title screen, drawn. A program that
# ends before showing it is started again, twice at most: on a loaded machine a display just
# started can refuse the first connection ("could not connect to display"); a program that cannot
# start at all still fails here.
titled_or_gone() { shows title || ! kill -0 "$pid" 2>/dev/null; }
launch_until_title() {
  local try
  for try in 1 2 3; do
    look; seen=$now
    QT_QPA_PLATFORM=xcb "$XVFB_PROGRAM" "$@" &
    pid=$!
    WAIT_SECONDS=20 poll titled_or_gone
    if kill -0 "$pid" 2>/dev/null; then
      shows title && poll new_look && poll same_look && return 0
      break
    fi
    echo "the program ended before its title screen showed (try $try)"
  done
  fail "the title screen did not appear"
}
start_at_menu() {
  start_program "$@"
  click TITLE_OK
  poll shows '^Tellwyn$' || fail "OK did not open the menu"
}
# Ends the check: the program must still run; it goes, and the check passed.
finish() {
  kill -0 "$pid" 2>/dev/null || fail "the program ended"
  kill "$pid"
  wait "$pid" 2>/dev/null
  echo "$1: 1 passed, 0 failed"
}

# Where the Xvfb checks click, in pixels of the 1024 x 768 display that xvfb.sh starts: the
# 364 x 438 title screen sits centred at (330, 165), the 800 x 600 screens at (112, 84). Each point
# is the middle of a control (its twips from the screen's table, over 15).
TITLE_OK="462 571"
MENU_CAESAR="226 328" MENU_MOON="450 520" MENU_WIZARD="738 492" MENU_CATALOGUE="738 548"
MENU_GUIDE="222 180"
EXIT="857 628"                                    # the menu's, hubs', activities', results' and wizard's
HUB_QUIZ="226 628" HUB_LABELLING="458 628" HUB_ORDERING="690 628" CHECK_SCORE="597 628"
CERTIFICATE_NAME="332 544"                        # the name box, white only for full marks
WIZARD_TITLE="850 104" WIZARD_SAVE="233 628"
CATALOGUE_EDIT="127 104" CATALOGUE_DELETE="735 104" CATALOGUE_TITLE1="310 144"
CLASS_RECORD="694 611" PASSWORD2="512 371" RECORD_CSV="306 628" # the menu's, the Class Record's
# On a larger display the program draws its screens SCALE times larger, with their client areas'
# top-left corners at SCREEN_XY (TITLE_XY for the title screen); `scaled x y [title]` moves a
# point above there. The defaults leave the points as they are.
SCALE=1 SCREEN_XY="112 84" TITLE_XY="330 165"
scaled() {
  local at=($SCREEN_XY) from=(112 84)
  [ "${3:-}" = title ] && at=($TITLE_XY) from=(330 165)
  awk -v x="$1" -v y="$2" -v s="$SCALE" -v ax="${at[0]}" -v ay="${at[1]}" -v fx="${from[0]}" -v fy="${from[1]}" \
    'BEGIN { printf "%d %d\n", ax + (x - fx) * s + 0.5, ay + (y - fy) * s + 0.5 }'
}
# The wizard's tick box for answer k (0 to 3) of question i (0 to 9): two columns of five questions.
wizard_tick() { echo $((112 + (480 + 2850 * ($2 % 2) + 5880 * ($1 / 5)) / 15 + 8)) \
  $((84 + (1230 + 330 * ($2 / 2) + 1440 * ($1 % 5)) / 15 + 10)); }

# Each activity's cards: the middle of the card where it starts, then of its own slot.
MOONORD="242 512 762 272|506 512 762 128|770 512 762 416|642 576 762 200|374 576 762 344"
CAESARORD="242 528 762 248|242 576 762 120|770 528 762 376|770 576 762 184|506 576 762 312|506 528 762 440"
MOONLAB="193 536 769 584|193 584 489 416|345 584 769 362|345 536 233 472"
CAESAR2LAB="210 580 510 516|566 580 510 420|326 580 774 468|446 580 510 468|686 580 774 420|806 580 774 516"
