#!/usr/bin/env bash
# Checks the Debian package without touching the system: lintian finds no error, its libraries
# were computed from the binaries, its metainfo and menu entry validate, and unpacked into a
# temporary root the program runs, renders a sample and finds its MP4 writer there.
#   usage: check_package.sh TRACELET.deb SAMPLES_DIR
set -euo pipefail
deb=$1
samples=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

echo "lintian $(basename "$deb"):"
lintian --fail-on error "$deb" || fail "lintian reports errors"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libavcodec; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null \
  || fail "appstreamcli validate: $(appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml)"
desktop-file-validate "$root/usr/share/applications/tracelet.desktop" || fail "desktop entry"
zcat "$root/usr/share/man/man1/tracelet.1.gz" | grep -q '^\.SH RENDER' || fail "man page lacks render"

program=$root/usr/bin/tracelet
version=$("$program" --version) || fail "the unpacked program does not run"
[ "$version" = "tracelet $(dpkg-deb -f "$deb" Version)" ] || fail "--version says '$version'"
grep -q "<release version=\"${version#tracelet }\"" "$root"/usr/share/metainfo/*.metainfo.xml \
  || fail "the metainfo's latest release is not $version"
env -u TRACELET_MP4_PLUGIN QT_QPA_PLATFORM=offscreen "$program" render \
  "$samples/path_walk.kvt" -o "$root/walk.mp4" --size-limit 5 || fail "render"
[ -s "$root/walk.mp4" ] || fail "render wrote nothing"
echo "package checked: $depends"
