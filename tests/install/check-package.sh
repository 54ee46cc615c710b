#!/usr/bin/env bash
# The installed desktop entry and metainfo pass the desktop's own validators, and the Debian
# package made by CPack from the tested build holds the install layout and passes lintian with no
# error (its warnings are printed).
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
appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log"; fail "appstreamcli validate"; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/deb/tellwyn_*.deb)
dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//' >"$work/contents"
for path in ./usr/bin/tellwyn "./usr/share/tellwyn/multiple/The Moon Landings.txt" \
    ./usr/share/tellwyn/Images/london.jpg ./usr/share/tellwyn/wav/click.wav \
    ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/icons/hicolor/48x48/apps/$id.png \
    ./usr/share/icons/hicolor/256x256/apps/$id.png ./usr/share/man/man6/tellwyn.6.gz \
    ./usr/share/doc/tellwyn/copyright; do
    grep -qxF "$path" "$work/contents" || fail "the package holds no $path"
done
grep -q 'tellwyn-sound.so$' "$work/contents" || fail "the package holds no sound plugin"
grep -q 'track.txt' "$work/contents" && fail "the package carries a worksheet index"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 fonts-liberation fonts-wine; do
    [[ "$depends" == *"$p"* ]] || fail "the package does not depend on $p ($depends)"
done

# lintian's exit status says whether it found an error; warnings are for the reader.
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || fail "lintian found errors"
cat "$work/lintian.log"
[ $status -eq 0 ] && echo "package: 1 passed, 0 failed"
exit $status
