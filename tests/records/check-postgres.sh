#!/usr/bin/env bash
# The records on a real PostgreSQL server, in a throwaway cluster on a socket in a temporary folder:
# a result recorded on one pupil's machine is listed by the teacher's; with the server stopped in
# the middle of a lesson, three results wait and arrive once when it is back, both while the
# program runs and after it was killed with results waiting. Pupils' machines connect with a role
# that may only add results.
set -uo pipefail
source "$(dirname "$0")/../support/xvfb.sh" # $build, poll, fail
helper="$build/tests/helper_records"
[ -x "$helper" ] || { echo "no $helper: build the target helper_records"; exit 77; }
pgbin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[ -x "$pgbin/initdb" ] || { echo "skip: PostgreSQL's server is not installed (package postgresql)"; exit 77; }
ls /usr/lib/*/qt6/plugins/sqldrivers/libqsqlpsql.so >/dev/null 2>&1 ||
  { echo "skip: Qt's PostgreSQL driver is not installed (libqt6sql6-psql)"; exit 77; }

work=$(mktemp -d)
chmod 755 "$work"
# The server refuses to run as root: as root it runs as the postgres account.
as_server=()
[ "$(id -u)" -eq 0 ] && as_server=(runuser -u postgres --)
pg() { "${as_server[@]}" "$pgbin/pg_ctl" -D "$work/pg" -l "$work/sock/pg.log" -w "$@" >/dev/null; }
trap 'pg stop -m immediate 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/sock" "$work/pg"
[ "$(id -u)" -eq 0 ] && chown postgres "$work/sock" "$work/pg"
echo admin-pw >"$work/admin.pw" && chmod 644 "$work/admin.pw"
"${as_server[@]}" "$pgbin/initdb" -D "$work/pg" -U twadmin --pwfile="$work/admin.pw" -A scram-sha-256 >/dev/null ||
  { echo "FAIL: initdb"; exit 1; }
start() { pg start -o "-k $work/sock -c listen_addresses='' -p 54329"; }
start || { cat "$work/sock/pg.log"; echo "FAIL: pg_ctl start"; exit 1; }
sql() { PGPASSWORD=$2 "$pgbin/psql" -qAt -h "$work/sock" -p 54329 -U "$1" -d "$3" -c "$4"; }
sql twadmin admin-pw postgres "CREATE ROLE teacher LOGIN PASSWORD 'teacher-pw'; CREATE ROLE pupil LOGIN PASSWORD 'pupil-pw'" &&
  sql twadmin admin-pw postgres "CREATE DATABASE tellwyn OWNER teacher" || { echo "FAIL: roles"; exit 1; }

# One machine's settings: the server, and a home folder of its own for the local queue.
machine() {
  mkdir -p "$work/$1/etc/Tellwyn" "$work/$1/home"
  echo "$3" >"$work/$1/pw"
  printf '[records]\nhost=%s\nport=54329\ndatabase=tellwyn\nuser=%s\npasswordfile=%s\n' \
    "$work/sock" "$2" "$work/$1/pw" >"$work/$1/etc/Tellwyn/Tellwyn.conf"
}
on() { (onexec "$@"); }
# In a background job: the job's process is the program itself, which a kill then reaches.
onexec() {
  local m=$1
  shift
  HOME="$work/$m/home" XDG_CONFIG_HOME="$work/$m/home/.config" XDG_DATA_HOME="$work/$m/home/.local/share" \
    XDG_CONFIG_DIRS="$work/$m/etc" exec "$@"
}
machine teacher teacher teacher-pw
machine pc1 pupil pupil-pw
machine pc2 pupil pupil-pw

printf 'Ann\nBob\nCy\n' >"$work/names.txt"
on teacher "$build/tellwyn" --add-class Oak "$work/names.txt" >/dev/null || fail "--add-class on the server"
sql teacher teacher-pw tellwyn "GRANT SELECT ON records_schema, classes, pupils TO pupil; GRANT INSERT, SELECT (id) ON results TO pupil; GRANT INSERT ON answers TO pupil" ||
  fail "grants"

# The class's results as the teacher's machine exports them from the server: pupil and score.
results() {
  on teacher "$build/tellwyn" --export-records "$work/oak.csv" --class Oak >/dev/null || fail "--export-records"
  tail -n +2 "$work/oak.csv" | cut -d, -f1,5 | sort | tr '\n' ' '
}
on pc1 "$helper" lesson Oak Ann 1 >/dev/null || fail "pc1's result was not sent"
[ "$(results)" = '"Ann",5 ' ] || fail "the teacher's record does not list pc1's result: $(results)"
# A pupil's role cannot read the results nor erase them.
sql pupil pupil-pw tellwyn "SELECT pupil FROM results" 2>/dev/null && fail "a pupil's role reads results"

pg stop -m fast
onexec pc2 "$helper" lesson Oak Bob 3 >"$work/pc2.out" &
lesson=$!
poll grep -q recorded "$work/pc2.out"
grep -q "recorded 3" "$work/pc2.out" || fail "three results did not wait in pc2's queue"
start
wait $lesson || fail "pc2's results were not sent once the server was back"

pg stop -m fast
onexec pc1 "$helper" lesson Oak Cy 3 hang >"$work/pc1.out" &
killed=$!
poll grep -q recorded "$work/pc1.out"
kill -9 $killed; wait $killed 2>/dev/null
grep -q "recorded 3" "$work/pc1.out" || fail "three results did not wait in pc1's queue"
start
[ "$(on pc1 "$helper" send)" = "sent 3 " ] || fail "the killed program's results were not sent at its next start"
[ "$(on pc1 "$helper" send)" = "sent 0 " ] || fail "results were sent twice"
[ "$(results)" = '"Ann",5 "Bob",5 "Bob",6 "Bob",7 "Cy",5 "Cy",6 "Cy",7 ' ] || fail "not each result once: $(results)"
echo "PostgreSQL records: all passed"
