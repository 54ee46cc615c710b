#!/usr/bin/env bash
# The installed desktop entry and metainfo pass the desktop's own validators (the metainfo
# pedantically, with nothing to fetch from a network), the installed program never looks in the
# tree it was built from, and the Debian package made by CPack from the tested build holds the
# install layout and passes `lintian -I --pedantic` with no error, warning or hardening tag.
set -u
src="${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}"
build="${TELLWYN_BUILD:-$src/build}"
for tool in desktop-file-validate appstreamcli cpack lintian dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "skip: no $tool"; exit 77; }
done
[ -f "$build/CPackConfig.cmake" ] || { echo "no CPack configuration in $build"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

id=org.tellwyn.Tellwyn
cmake --install "$build" --prefix "$work/usr" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
desktop-file-validate "$work/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic "$work/usr/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 ||
    fail "appstreamcli validate"
cat "$work/as.log"
grep -q '^[EW]:' "$work/as.log" && fail "appstreamcli validate warns"

# With its own data moved away the installed program finds none: it must not fall back to the
# source tree, whose path must not even be in it.
mv "$work/usr/share/tellwyn" "$work/moved"
out=$(HOME="$work" "$work/usr/bin/tellwyn" --import "$src/data/multiple/Julius Caesar.txt" 2>&1)
[ $? -eq 1 ] && [[ "$out" == *"no data folder"* ]] ||
    fail "the installed program without its data folder said: $out"
mv "$work/moved" "$work/usr/share/tellwyn"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/deb/tellwyn_*.deb)
dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//' >"$work/contents"
for path in ./usr/bin/tellwyn "./usr/share/tellwyn/multiple/The Moon Landings.txt" \
    ./usr/share/tellwyn/Images/london.jpg ./usr/share/tellwyn/wav/click.wav \
    ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/man/man6/tellwyn.6.gz \
    ./usr/share/doc/tellwyn/copyright ./usr/share/doc/tellwyn/README.technicians \
    $(printf "./usr/share/icons/hicolor/%sx%s/apps/$id.png " 16 16 22 22 24 24 32 32 48 48 64 64 128 128 256 256); do
    grep -qxF "$path" "$work/contents" || fail "the package holds no $path"
done
grep -q 'tellwyn-sound.so$' "$work/contents" || fail "the package holds no sound plugin"
grep -q 'track.txt' "$work/contents" && fail "the package carries a worksheet index"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 fonts-liberation fonts-wine; do
    [[ "$depends" == *"$p"* ]] || fail "the package does not depend on $p ($depends)"
done

dpkg-deb -x "$deb" "$work/root"
# Qt keeps string literals in UTF-16, hence the second look.
{ strings -a "$work/root/usr/bin/tellwyn"; strings -a -e l "$work/root/usr/bin/tellwyn"; } |
    grep -F "$src" && fail "the packaged program names the source tree"

lintian -I --pedantic --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || fail "lintian found errors"
cat "$work/lintian.log"
grep -E '^[EW]: |hardening' "$work/lintian.log" >/dev/null && fail "lintian warns, or finds the hardening incomplete"
[ $status -eq 0 ] && echo "package: 1 passed, 0 failed"
exit $status
