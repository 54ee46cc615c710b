#!/usr/bin/env bash
# The program as a school installs it. `cmake --install` of the tested build into a scratch
# prefix, made read-only; then, each as an unprivileged user with a fresh HOME on a display of
# its own: a pupil's first start with no options (session.sh first), and two teachers on two
# machines saving 25 worksheets each into one shared folder at the same time. Every worksheet
# must be listed and load, and nothing may be written under the prefix.
set -u
src="${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}"
build="${TELLWYN_BUILD:-$src/build}"
for tool in Xvfb xdotool import setpriv cmake; do
    command -v "$tool" >/dev/null || { echo "skip: no $tool"; exit 77; }
done
[ "$(id -u)" -eq 0 ] || { echo "skip: needs root, to run the program as other users"; exit 77; }
[ -x "$build/tellwyn" ] || { echo "no program at $build/tellwyn"; exit 1; }
helper="$build/tests/helper_worksheetsaver"
[ -x "$helper" ] || { echo "no $helper: build the target helper_worksheetsaver"; exit 1; }

work=$(mktemp -d /tmp/tellwyn-install.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*"; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
chmod -R a-w "$prefix"
listing() { find "$prefix" -printf '%p %s %m %T@\n' | sort; }
before=$(listing)
cp "$src/tests/install/session.sh" "$src/tests/support/xvfb.sh" "$work/"
# X servers not run by root need the socket folder that a root one would create.
mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix

# Teachers share a group; files they write are group-writable, as on a school's shared folder.
teachers=64100
as_user() {
    local uid=$1 home="$work/home-$1"
    shift
    mkdir -p "$home/runtime" && chown -R "$uid:$teachers" "$home" && chmod 700 "$home/runtime"
    setpriv --reuid="$uid" --regid="$teachers" --clear-groups \
        env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$home/runtime" LANG=C.UTF-8 \
        bash -c 'umask 002; exec bash "$@"' _ "$work/session.sh" "$prefix/bin/tellwyn" "$@"
}

status=0
as_user 64101 first || status=1

shared="$work/school/multiple"
mkdir -p "$shared" && chown "root:$teachers" "$shared" && chmod 2775 "$shared"
as_user 64102 shared "$shared" North 25 &
north=$!
as_user 64103 shared "$shared" South 25 &
south=$!
wait $north || status=1
wait $south || status=1
"$helper" verify "$work/school" 50 || { echo "FAIL: the shared folder after 50 saves"; status=1; }

[ "$(listing)" = "$before" ] || { echo "FAIL: something was written under the prefix"; status=1; }
[ $status -eq 0 ] && echo "install: 1 passed, 0 failed"
exit $status
