#!/usr/bin/env bash
# Runs the command line of two tracelet builds on every bundled sample and compares what they
# write, byte for byte: stats (JSON), route (route files) and render (PNG and GIF).
#   tools/compare-builds.sh OLD/tracelet NEW/tracelet
set -uo pipefail
old=$(realpath "$1")
new=$(realpath "$2")
samples=$(cd "$(dirname "$0")/../samples" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
differ=0
compared=0

# Runs one command with both builds in the samples folder; output files are named OUT.ext.
check() {
  local name=$1 ext=$2
  shift 2
  for side in old new; do
    local exe=$old
    [ "$side" = new ] && exe=$new
    (cd "$samples" && "$exe" "${@//OUT/$work/$side-$name}" >"$work/$side-$name.stdout" 2>"$work/$side-$name.stderr")
    echo $? >"$work/$side-$name.status"
  done
  for part in stdout stderr status ${ext:+$ext}; do
    compared=$((compared + 1))
    if ! cmp -s "$work/old-$name.$part" "$work/new-$name.$part"; then
      echo "DIFFERENT: $name ($part)"
      differ=$((differ + 1))
    fi
  done
}

for csv in "$samples"/*.csv; do
  base=$(basename "$csv" .csv)
  check "stats-$base" "" stats "$csv" --start 2
done
check "route-linear" csv route teach_points.csv -o OUT.csv --start 2
check "route-curve" csv route teach_points.csv -o OUT.csv --curve --divisions 10 --start 2
check "route-curve-zoom" csv route teach_points.csv -o OUT.csv --curve --zoom 1 --start 2
for setup in "$samples"/*.kvs "$samples"/*.kvt; do
  base=$(basename "$setup")
  check "render-$base-png" png render "$setup" -o OUT.png
  check "render-$base-gif" gif render "$setup" -o OUT.gif
done
echo "$compared outputs compared, $differ different"
[ "$differ" -eq 0 ]
