#!/usr/bin/env bash
# The package as a school uses it. The Debian package made by CPack from the tested build holds the
# install layout and passes `lintian -I --pedantic` with no error, warning or hardening tag, and is
# installed with apt; its desktop entry and metainfo pass the desktop's own validators (the
# metainfo pedantically, with nothing to fetch from a network), and the program never names nor
# looks in the tree it was built from. A new account's first start with no options (session.sh
# first); the technician sets a shared worksheet folder (group-owned, 2775) in
# /etc/xdg/Tellwyn/Tellwyn.conf; two teachers, ordinary accounts in the folder's group with
# Debian's umask 022, import and replace each other's worksheets; a pupil's account outside the
# group is told why it cannot change them, on the command line and the catalogue, and changes
# nothing; removing and reinstalling the package keeps every worksheet. No session writes anything
# into the installed program's folders.
#
# It changes the machine for as long as it runs: the package, four accounts twpkg-* and a group,
# all gone at the end. /etc/xdg itself is untouched: the setting lives in a private mount
# namespace that only this check's processes see.
set -u
source "$(dirname "$0")/../support/xvfb.sh" # $src, $build, needs, and the worksheet files
if [ -z "${TWPKG_IN_NAMESPACE:-}" ]; then
    [ "$(id -u)" -eq 0 ] || { echo "skip: needs root, to install the package and add accounts"; exit 77; }
    needs unshare cpack apt-get dpkg useradd setpriv Xvfb xdotool import desktop-file-validate appstreamcli \
        lintian dpkg-deb dpkg-shlibdeps
    dpkg -s tellwyn >/dev/null 2>&1 && { echo "skip: a tellwyn package is installed already"; exit 77; }
    TWPKG_IN_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi

work=$(mktemp -d /tmp/tellwyn-school.XXXXXX)
chmod 755 "$work"
teachers=twpkg-teachers
users="twpkg-anna twpkg-ben twpkg-pupil twpkg-new"
apt() { apt-get -y -q -o DPkg::Lock::Timeout=120 "$@" >>"$work/apt.log" 2>&1; }
cleanup() {
    umount /etc/xdg 2>/dev/null
    dpkg -s tellwyn >/dev/null 2>&1 && apt purge tellwyn
    # A session's last processes may still be going: an account goes once they have.
    for u in $users; do id "$u" >/dev/null 2>&1 && poll userdel "$u" 2>/dev/null; done
    groupdel "$teachers" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/deb/tellwyn_*.deb)
apt install "$deb" || { cat "$work/apt.log"; echo "FAIL: apt install"; exit 1; }
[ -x /usr/bin/tellwyn ] || { echo "FAIL: no /usr/bin/tellwyn"; exit 1; }
id=org.tellwyn.Tellwyn
dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//' >"$work/contents"
# What neither lintian, the validators nor a session below would miss (a session shows a hub's
# picture and loads the sound plugin).
for path in ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/doc/tellwyn/README.technicians \
    "./usr/share/tellwyn/multiple/The Moon Landings.txt" ./usr/share/tellwyn/wav/click.wav \
    $(printf "./usr/share/icons/hicolor/%sx%s/apps/$id.png " 16 16 22 22 24 24 32 32 48 48 64 64 128 128 256 256); do
    grep -qxF "$path" "$work/contents" || fail "the package holds no $path"
done
grep -q 'track.txt' "$work/contents" && fail "the package carries a worksheet index"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 fonts-liberation fonts-wine; do
    [[ "$depends" == *"$p"* ]] || fail "the package does not depend on $p ($depends)"
done
lintian -I --pedantic --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || fail "lintian found errors"
cat "$work/lintian.log"
grep -E '^[EW]: |hardening' "$work/lintian.log" >/dev/null && fail "lintian warns, or finds the hardening incomplete"
desktop-file-validate "/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic "/usr/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 || fail "appstreamcli validate"
cat "$work/as.log"
grep -q '^[EW]:' "$work/as.log" && fail "appstreamcli validate warns"
# Qt keeps string literals in UTF-16, hence the second look.
{ strings -a /usr/bin/tellwyn; strings -a -e l /usr/bin/tellwyn; } | grep -F "$src" && fail "the program names the source tree"
# With its own data hidden the program finds none: it must not fall back to the source tree.
mkdir "$work/empty" && mount --bind "$work/empty" /usr/share/tellwyn
out=$(HOME="$work" tellwyn --import "$src/data/multiple/Julius Caesar.txt" 2>&1)
[ $? -eq 1 ] && [[ "$out" == *"no data folder"* ]] || fail "the program without its data folder said: $out"
umount /usr/share/tellwyn
installed() { find /usr/share/tellwyn -printf '%p %s %m\n' | sort; dpkg --verify tellwyn; }
untouched=$(installed)

# Runs a command as one of the accounts, in a session of its own as after logging in (its groups,
# Debian's default umask, its own HOME); `tellwyn ARGS` in it is the installed program.
as() {
    local user=$1
    shift
    setpriv --reuid="$user" --regid="$user" --init-groups \
        env -i PATH=/usr/bin:/bin HOME="$work/home-$user" XDG_RUNTIME_DIR="$work/home-$user/runtime" \
        LANG=C.UTF-8 bash -c 'umask 022; mkdir -p -m 700 "$XDG_RUNTIME_DIR"; exec "$@"' _ "$@"
}
cp "$src/tests/install/session.sh" "$src/tests/support/xvfb.sh" "$work/"
mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
gui() { as "$1" bash "$work/session.sh" /usr/bin/tellwyn "${@:2}" >>"$work/gui.log" 2>&1 || {
    cat "$work/gui.log"
    fail "$1: ${*:2}"
}; }

# The technician's part: a group of teachers, a shared folder and the machine-wide setting.
groupadd "$teachers"
for u in $users; do
    useradd --home-dir "$work/home-$u" --create-home --shell /bin/bash "$u" || { echo "FAIL: useradd $u"; exit 1; }
done
for u in twpkg-anna twpkg-ben; do usermod -a -G "$teachers" "$u"; done
gui twpkg-new first                              # before the machine-wide setting
shared="$work/school/multiple"
mkdir -p "$shared" && chgrp "$teachers" "$shared" && chmod 2775 "$shared"
mkdir -p "$work/xdg" && cp -a /etc/xdg/. "$work/xdg/" && mkdir -p "$work/xdg/Tellwyn"
printf '[worksheets]\nfolder=%s\n' "$shared" >"$work/xdg/Tellwyn/Tellwyn.conf"
mount --bind "$work/xdg" /etc/xdg

# A worksheet file as a teacher writes one: title $2, each question's text starting with $3.
worksheet() { worksheet_text "$2" "$3 %s?" >"$work/files/$1.txt"; }
mkdir -p "$work/files"
worksheet castles Castles "Who built the castle"
worksheet castles-ben Castles "Which castle"
worksheet rivers Rivers "Which river"
worksheet kings Kings "Who was king"
worksheet pupil "Pupil Page" "Can I"
chmod -R a+rX "$work/files"

run() { # USER EXPECTED-STATUS ARGS...: runs tellwyn ARGS as USER, keeping its output in $out
    local user=$1 expected=$2 got
    shift 2
    out=$(as "$user" tellwyn "$@" 2>&1)
    got=$?
    [ "$got" -eq "$expected" ] || fail "$user: tellwyn $* ended with $got, not $expected: $out"
}
lists() { tr -d '\r' <"$shared/track.txt" | tail -n +2 | tr '\n' '|'; }
shared_ok() { # every file the program wrote there stays writable for the group, in its group
    local wrong
    wrong=$(find "$shared" -mindepth 1 \( ! -group "$teachers" -o ! -perm -g+w \) -printf '%M %g %f\n')
    [ -z "$wrong" ] || fail "$1: files another teacher could not replace: $wrong"
}

# Anna adds a worksheet, Ben another and replaces hers (she replaces his after the reinstall).
run twpkg-anna 0 --import "$work/files/castles.txt"
run twpkg-ben 0 --import "$work/files/rivers.txt"
[ "$(lists)" = "Castles|Rivers|" ] || fail "after two imports the index lists '$(lists)'"
run twpkg-ben 0 --replace --import "$work/files/castles-ben.txt"
[[ "$out" == *"Castles (replaced)"* ]] || fail "--replace did not say that it replaced Castles: $out"
cmp -s "$shared/Castles.txt" "$work/files/castles-ben.txt" || fail "Ben did not replace Anna's Castles"
shared_ok "after the teachers' imports"
# A pupil can change nothing, and is told why.
before=$(cd "$shared" && find . -printf '%p %s %m %T@\n' | sort; md5sum ./*)
run twpkg-pupil 1 --import "$work/files/pupil.txt"
[[ "$out" == *"You do not have permission to change the worksheets in $shared."* ]] ||
    fail "the pupil's import did not say it lacks the right to write in $shared: $out"
run twpkg-pupil 1 --replace --import "$work/files/castles.txt"
gui twpkg-pupil refused
after=$(cd "$shared" && find . -printf '%p %s %m %T@\n' | sort; md5sum ./*)
[ "$before" = "$after" ] || fail "the pupil's account changed the shared folder"

run twpkg-ben 0 --import "$work/files/kings.txt"

# Removing and reinstalling the package keeps every worksheet and its listing.
before=$(cd "$shared" && md5sum ./*)
apt remove tellwyn || fail "apt remove"
apt install "$deb" || fail "apt install again"
[ "$before" = "$(cd "$shared" && md5sum ./*)" ] || fail "remove and reinstall changed the shared folder"
run twpkg-anna 0 --replace --import "$work/files/castles.txt"
cmp -s "$shared/Castles.txt" "$work/files/castles.txt" || fail "Anna did not replace Ben's Castles"
[ "$(lists)" = "Castles|Rivers|Kings|" ] || fail "after reinstalling the index lists '$(lists)'"
shared_ok "after reinstalling"
[ "$(installed)" = "$untouched" ] || fail "a session wrote into the installed program's folders"

[ $status -eq 0 ] && echo "school: 1 passed, 0 failed"
exit $status
