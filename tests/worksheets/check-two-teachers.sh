#!/usr/bin/env bash
# Two machines on one shared worksheet folder, each the real program under its own user, host name
# and display, driven as two teachers would: both edit one worksheet, one deletes a worksheet the
# other has open, both save a new one under one title at the same moment, and one saves while a
# stopped process holds the index lock (the window must go on drawing itself). Every save that
# said "saved" must find its text in the folder at the end; a catalogue open on one machine shows
# a title imported on the other.
set -u
source "$(dirname "$0")/../support/xvfb.sh"
needs xvfb-run xdotool xmessage unshare useradd runuser import
[ "$(id -u)" = 0 ] || { echo "skip: needs root for its users and host names"; exit 77; }
bin="$build/tellwyn"
[ -x "$bin" ] || { echo "no program at $bin"; exit 1; }

work=$(mktemp -d) shared=$work/shared
chmod 755 "$work"
getent group twcollab >/dev/null || groupadd twcollab
for u in twcollab1 twcollab2; do
  id "$u" >/dev/null 2>&1 || useradd -M -N -g twcollab -s /bin/sh "$u"
  mkdir -p "$work/$u" && chown "$u" "$work/$u"
done
cleanup() {
  local p
  kill -CONT ${holder:-} 2>/dev/null; kill $(cat "$work"/twcollab*/pid 2>/dev/null) ${holder:-} 2>/dev/null
  for p in $(cat "$work"/twcollab*/pid 2>/dev/null); do while kill -0 $p 2>/dev/null; do sleep 0.05; done; done
  userdel twcollab1; userdel twcollab2; groupdel twcollab; rm -rf "$work"
}
trap cleanup EXIT
cp -r "$src/data" "$work/data" && chmod -R a+rX "$work/data"
mkdir -p "$shared" && chgrp twcollab "$shared" && chmod 2775 "$shared"

# as MACHINE USER COMMAND...: runs a command on "machine" MACHINE (its own host name) as USER; run
# starts the program there, noting its process.
as() { unshare -u bash -c 'hostname "$0"; umask 002; exec runuser -u "$1" -- env HOME="$work/$1" DBUS_SESSION_BUS_ADDRESS=disabled: "${@:2}"' "$@"; }
export work bin shared
cat >"$work/run" <<'EOF'
#!/bin/bash
echo $$ >"$work/$(id -un)/pid"
QT_QPA_PLATFORM=xcb exec "$bin" --data-dir "$work/data" --worksheets-dir "$shared" --scale 1
EOF
chmod 755 "$work/run"
sheet() { worksheet_text "$1" "Question %s" >"$work/$1.txt"; }
for i in 01 02 03 04 05 06 07 08 09 10; do sheet "Sheet $i"; done
as machine-a twcollab1 "$bin" --data-dir "$work/data" --worksheets-dir "$shared" \
  --import "$work"/Sheet*.txt >/dev/null || { echo "FAIL: the import did not list ten worksheets"; exit 1; }

for m in A:machine-a:twcollab1 B:machine-b:twcollab2; do
  IFS=: read -r name machine user <<<"$m"
  xvfb-run -a -s "-screen 0 1024x768x24 -ac -noreset" bash -c \
    "$(declare -f as)"'; echo "$DISPLAY" >"$work/display.$0"; as "$1" "$2" "$work/run"' "$name" "$machine" "$user" >"$work/log.$name" 2>&1 &
  poll [ -s "$work/display.$name" ] || fail "no display for machine $name: $(cat "$work/log.$name")"
  eval "on$name() { DISPLAY=\$(cat \"$work/display.$name\") \"\$@\"; }"
  WAIT_SECONDS=30 on$name poll shows title || fail "machine $name's title screen did not appear: $(cat "$work/log.$name")"
  on$name click TITLE_OK
  on$name click MENU_CATALOGUE
done

lists() { tr -d '\r' <"$shared/track.txt" | grep -qx "$1"; }
# Saves the wizard on machine $1 (with "0", without waiting for the screen); asked $1 then waits for
# the answer, and tells which it was: a question (titled "Save Worksheet") or a message box.
declare -A screens_before
save() { screens_before[$1]=$(on$1 count); on$1 click WIZARD_SAVE ${2:-}; }
answered() { shows '^Save Worksheet$' || [ "$(count)" -gt "$1" ]; }
asked() { on$1 poll answered "${screens_before[$1]}" || fail "$1's save had no answer"; on$1 shows '^Save Worksheet$'; }
retype() { click "$1"; xdotool key ctrl+a; xdotool type --delay 1 "$2"; }
Q1="316 152" Q2="708 152" Q3="316 248" SLOT7="310 384" SLOT8="310 424" SLOT11="124 544"

# A title imported on machine A shows in B's open catalogue (how soon is a benchmark's question).
sheet Rivers
before=$(onB pixel $SLOT11)
as machine-a twcollab1 "$bin" --worksheets-dir "$shared" --import "$work/Rivers.txt" >/dev/null
drawn() { [ "$(onB pixel $SLOT11)" != "$before" ]; }
poll drawn || fail "B's catalogue did not show Rivers"

# Both open Sheet 08; A saves a change to question 1, then B one to question 2.
for m in A B; do on$m click CATALOGUE_EDIT; on$m click "$SLOT8"; done
onA retype "$Q1" "Changed by A"; save A
asked A && fail "A's save of Sheet 08 asked"
onB retype "$Q2" "Changed by B"; save B
asked B || fail "B's save of Sheet 08, changed since it was opened, did not ask"
onB key alt+n; onB key ctrl+a; onB xdotool type "Sheet 08 B"; onB key Return
asked B && fail "B's save under a new title asked"

# A deletes Sheet 07 while B has it open; B's save asks, and B goes back.
onA key Return; onA click EXIT; onB key Return; onB click EXIT
onB click "$SLOT7"
onA click CATALOGUE_DELETE; onA click "$SLOT7"; onA key Return
lists "Sheet 07" && fail "A's delete did not take Sheet 07 off the list"
onB retype "$Q3" "Changed by B"; save B
asked B || fail "B's save of a deleted worksheet did not ask"
onB key Escape
lists "Sheet 07" && fail "B's going back listed Sheet 07 again"

# Both save a new Volcanoes at the same moment: one is saved, the other asked.
# B's wizard still holds the text it typed: its Exit asks before losing it.
onA click EXIT; onB click EXIT; onB key Return; onB click EXIT
(onA fill_wizard Volcanoes; onA retype "$Q1" "Volcano by A") & a=$!
onB fill_wizard Volcanoes; onB retype "$Q1" "Volcano by B"; wait $a
save A 0 & a=$!
save B 0; wait $a
screens_before[A]=${screens_before[B]}  # both machines show the same screens
if asked A; then saver=B asker=A; else saver=A asker=B; fi
asked $asker || fail "neither save of Volcanoes asked"
asked $saver && fail "both saves of Volcanoes asked"
on$asker key Escape

# A stopped process on the saver's machine holds the lock: the window paints that it waits.
sleep 600 & holder=$! # not a wait: a process to stop, holding the lock
kill -STOP $holder
machine=$([ $saver = A ] && echo machine-a || echo machine-b)
printf '%s\nsleep\n%s\n%s\n%s\n' $holder $machine "$(cat /etc/machine-id)" \
  "$(cat /proc/sys/kernel/random/boot_id)" >"$shared/track.txt.lock"
on$saver key Return
shot() { on$saver import -window root -crop 456x23+352+618 -depth 8 rgb:- | md5sum; }
# Until the save gives up (its message box would make one more window), the line that it waits
# shows, and the window draws itself again where a window covering it has gone.
windows=$(on$saver count) still=$(shot)
waiting() { [ "$(on$saver count)" = "$windows" ] || fail "$1 while the save waited"; }
on$saver click WIZARD_SAVE 0
until [ "$(shot)" != "$still" ]; do waiting "the window did not show that it waits"; done
line=$(shot)
DISPLAY=$(cat "$work/display.$saver") xmessage -geometry 600x60+300+600 cover 2>/dev/null & cover=$!
until [ "$(shot)" != "$line" ]; do waiting "the cover did not show"; done
kill $cover
until [ "$(shot)" = "$line" ]; do waiting "the window did not repaint"; done

# Every save that said "saved" finds its teacher's text in the folder at the end.
for f in "Sheet 08|Changed by A" "Sheet 08 B|Changed by B" "Volcanoes|Volcano by $saver"; do
  tr -d '\r' <"$shared/${f%|*}.txt" | grep -qx "${f#*|}" && lists "${f%|*}" || fail "${f#*|} is not in ${f%|*}"
done
echo "two-teachers: 1 passed, 0 failed"
