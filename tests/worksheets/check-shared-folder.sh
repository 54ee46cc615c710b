#!/usr/bin/env bash
# A worksheet folder two teachers share, as a school sets it up: group-owned, mode 2775, and both
# teachers with Debian's umask 022. What one writes the other can replace (--import --replace); a
# pupil outside the group is told it is a matter of permission, in which folder, and changes nothing.
# Needs root to make the users (twstore*, removed again at the end).
set -uo pipefail
program="${TELLWYN_BUILD:-build}/tellwyn"
[ -x "$program" ] || { echo "no $program"; exit 77; }
[ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && command -v useradd >/dev/null ||
  { echo "skip: needs root, setpriv and useradd"; exit 77; }
work=$(mktemp -d)
cleanup() {
  for u in twstorea twstoreb twstorep; do userdel "$u" 2>/dev/null; done
  groupdel twstore 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
groupadd twstore || exit 77
for u in twstorea twstoreb; do useradd -M -N -g users -G twstore -s /usr/sbin/nologin "$u" || exit 77; done
useradd -M -N -g users -s /usr/sbin/nologin twstorep || exit 77
chmod 755 "$work"
mkdir -p "$work/data/multiple" "$work/shared"
cp "$program" "$work/tellwyn"
chgrp twstore "$work/shared" && chmod 2775 "$work/shared"
status=0
fail() { echo "FAIL: $*"; status=1; }

sheet() { # sheet TITLE WORD: a typed worksheet whose questions hold WORD
  { echo "TITLE: $1"; for q in 1 2 3 4 5 6 7 8 9 10; do
    printf '%s question %s?\nA. Yes\nB. No\nC. Maybe\nD. Never\nANSWER: B\n\n' "$2" "$q"; done; } >"$work/$1-$2.txt"
  chmod 644 "$work/$1-$2.txt"
}
as() { # as USER ARGS...: the program as that user, umask 022, own home
  local user=$1
  shift
  setpriv --reuid="$user" --regid=users --init-groups env -u DISPLAY HOME="$work/home-$user" \
    sh -c 'umask 022; exec "$@"' - "$work/tellwyn" --data-dir "$work/data" \
    --worksheets-dir "$work/shared" --once "$@" >"$work/out" 2>"$work/err"
}
shared_rights() { # every file the program wrote: group-writable, the folder's group
  for f in "$work/shared"/*; do
    [ "$(stat -c '%G %A' "$f")" = "twstore -rw-rw-r--" ] || fail "$(stat -c '%n: %G %A' "$f")"
  done
}

sheet Castles mine && sheet Castles yours && sheet Moats yours && sheet Towers pupil
as twstorea --import "$work/Castles-mine.txt" || fail "first import: $(cat "$work/err")"
shared_rights
as twstoreb --import "$work/Castles-yours.txt" --replace || fail "replace: $(cat "$work/err")"
[ "$(cat "$work/out")" = "Castles (replaced)" ] || fail "replace printed '$(cat "$work/out")'"
grep -q "^yours question 1?" "$work/shared/Castles.txt" || fail "not replaced"
as twstoreb --import "$work/Moats-yours.txt" || fail "second teacher's new title: $(cat "$work/err")"
as twstorea --import "$work/Castles-mine.txt"
grep -q "already in the catalogue" "$work/err" || fail "a listed title without --replace: $(cat "$work/err")"
shared_rights

before=$(cat "$work/shared/track.txt")
as twstorep --import "$work/Towers-pupil.txt" && fail "a pupil imported"
grep -qF "You do not have permission to change the worksheets in $work/shared." "$work/err" ||
  fail "pupil told: $(cat "$work/err")"
[ "$(cat "$work/shared/track.txt")" = "$before" ] && [ ! -e "$work/shared/Towers.txt" ] || fail "a pupil changed the folder"
echo "$(ls "$work/shared" | tr '\n' ' ')"
exit $status
