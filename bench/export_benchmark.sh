#!/usr/bin/env bash
# Export speed, side by side in one hyperfine run: `tracelet render` writing the 2,500-row sample
# as a GIF of every point (one frame per plotted point), the same followed by `gifsicle -O3`, the
# same as MP4, and the fastest Python Pillow writer we could make of the very same frames (one
# shared palette, no dithering). Then the sizes of the GIFs.
#   bench/export_benchmark.sh [RELEASE_BUILD_DIR]   (default build-release; build it with
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release && cmake --build build-release)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-release}
tracelet=$build/tracelet
python=/usr/bin/python3 # Debian's, which has python3-pil
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
frames=2500

# The bundled sample with a plot speed, so that every point is a frame.
printf 'KVT_GRIDWALK_SETUP_SOUKAN\r\n%s\r\n1\r\n2\r\n2\r\n50\r\n1\r\n100.0\r\n-100.0\r\n100.0\r\n-100.0\r\n' \
  "$top/samples/correlation_2500.csv" >"$work/every-point.kvs"
render="$tracelet render $work/every-point.kvs --size-limit $frames -o"
$render "$work/frames.gif"

# Pillow gets the frames ready in memory; its figure below counts only the writing.
"$python" "$top/bench/pillow_gif_writer.py" "$work/frames.gif" "$work/pillow.gif" --repeat 3 \
  | tee "$work/pillow.txt"

hyperfine --warmup 1 --runs 5 --export-json "$work/runs.json" \
  -n "tracelet GIF" "$render $work/t.gif" \
  -n "tracelet GIF, then gifsicle -O3" "$render $work/g.gif && gifsicle -O3 $work/g.gif -o $work/g3.gif" \
  -n "tracelet MP4" "$render $work/t.mp4" \
  -n "Pillow GIF (frames prepared, then written)" \
  "$python $top/bench/pillow_gif_writer.py $work/frames.gif $work/p.gif"

"$python" - "$work/runs.json" "$frames" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["results"]
frames = int(sys.argv[2])
for run in runs:
    print(f"{run['command']:45s} {run['mean']:7.3f} s  {frames / run['mean']:8.1f} frames/s (whole run)")
PY
echo "Pillow writing alone: $(cat "$work/pillow.txt")"
gifsicle -O3 "$work/frames.gif" -o "$work/frames-O3.gif"
for gif in frames.gif frames-O3.gif pillow.gif; do
  printf '%-14s %9d bytes\n' "$gif" "$(stat -c %s "$work/$gif")"
done
