#!/usr/bin/env bash
# How fast the window starts, against a bare Qt window of the same size with one label
# (bare_qt_window): the milliseconds from process start to each one's first painted frame
# (`--measure-start`), alternated run by run so that both see the same load, with their medians
# and ratio; then the resident memory of the window once it idles. Runs in samples/, under a
# virtual screen of its own when there is no display.
#   bench/start_benchmark.sh [BUILD_DIR] [PAIRS]   (defaults: build, 10)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
pairs=${2:-10}
tracelet=$build/tracelet
bare=$build/bench/bare_qt_window
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$pairs"
fi
cd "$top/samples"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# Warms the file cache for both.
"$tracelet" --measure-start >/dev/null
"$bare" >/dev/null
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
for i in $(seq "$pairs"); do
  # Who goes first changes every pair.
  if [ $((i % 2)) -eq 1 ]; then
    t=$("$tracelet" --measure-start) && b=$("$bare")
  else
    b=$("$bare") && t=$("$tracelet" --measure-start)
  fi
  printf '%s %s\n' "$t" "$b" | tee -a "$figures"
done | awk 'BEGIN { print "pair  tracelet ms  bare Qt window ms" } { printf "%4d  %11.1f  %17.1f\n", NR, $1, $2 }'
python3 - "$figures" <<'PY'
import statistics, sys
rows = [tuple(map(float, line.split())) for line in open(sys.argv[1])]
t = statistics.median(r[0] for r in rows)
b = statistics.median(r[1] for r in rows)
print("median to first frame: tracelet %.1f ms, bare Qt window %.1f ms, ratio %.2f" % (t, b, t / b))
print("median of the pairs' ratios: %.2f" % statistics.median(r[0] / r[1] for r in rows))
PY

# The idle window: started, left alone for two seconds, its resident set read.
"$tracelet" &
pid=$!
sleep 2
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "resident memory of the idle window: $((rss / 1024)) MB ($rss kB)"
echo "FFmpeg libraries linked: $(ldd "$tracelet" | grep -c 'libav' || true)"
