#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop reads there: the menu
# entry validates, the file types register with shared-mime-info, the icon comes in every size,
# and the installed program runs and, where it was built, finds its MP4 writer.
#   usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in desktop-file-validate update-mime-database; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
"$prefix/bin/tracelet" --version | grep -q '^tracelet ' || fail "the installed program does not run"
if [ -f "$build/libtracelet_mp4.so" ]; then
  samples=$(cd "$(dirname "$0")/../../samples" && pwd)
  env -u TRACELET_MP4_PLUGIN QT_QPA_PLATFORM=offscreen "$prefix/bin/tracelet" render \
    "$samples/correlation_positive.kvs" -o "$prefix/check.mp4" --size-limit 5 \
    || fail "the installed program cannot write MP4"
fi

entry=$prefix/share/applications/tracelet.desktop
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -q '^Exec=tracelet %f$' "$entry" || fail "the menu entry does not pass the file on"

update-mime-database "$prefix/share/mime"
for type in correlation-setup:kvs path-setup:kvt; do
  name=application/x-tracelet-${type%%:*}
  grep -q "^50:$name:\*\.${type##*:}$" "$prefix/share/mime/globs2" || fail "no glob for $name"
  [ -f "$prefix/share/mime/$name.xml" ] || fail "$name is not registered"
  grep -q "MimeType=.*$name;" "$entry" || fail "the menu entry does not open $name"
done

for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tracelet.png
  [ -f "$icon" ] || fail "no ${size}px icon"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "the ${size}px icon is $dims"
done
echo "installed and registered in $prefix"
