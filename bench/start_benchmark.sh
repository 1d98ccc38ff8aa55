#!/usr/bin/env bash
# How fast the window starts: the milliseconds from process start to the window's first painted
# frame (`tracelet --measure-start`, 10 runs, median), the same runs timed from outside by
# hyperfine, and the resident memory of the window once it idles. Runs in samples/, under a
# virtual screen of its own when there is no display.
#   bench/start_benchmark.sh [BUILD_DIR]   (default: build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
tracelet=$build/tracelet
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
cd "$top/samples"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

"$tracelet" --measure-start >/dev/null # warm the file cache
figures=()
for _ in $(seq 10); do
  figures+=("$("$tracelet" --measure-start)")
done
printf '%s\n' "${figures[@]}" | sort -n | awk '{ v[NR] = $1 } END {
  printf "start to first frame (--measure-start, 10 runs): median %.1f ms, min %.1f, max %.1f\n",
    (v[5] + v[6]) / 2, v[1], v[NR] }'

runs=$(mktemp)
hyperfine --warmup 2 --runs 10 --style basic --export-json "$runs" \
  -n "tracelet --measure-start (whole process)" "$tracelet --measure-start"
python3 -c 'import json, sys; r = json.load(open(sys.argv[1]))["results"][0]
print("whole process (hyperfine, 10 runs): median %.1f ms" % (r["median"] * 1000))' "$runs"
rm -f "$runs"

# The idle window: started, left alone for two seconds, its resident set read.
"$tracelet" &
pid=$!
sleep 2
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "resident memory of the idle window: $((rss / 1024)) MB ($rss kB)"
echo "FFmpeg libraries linked: $(ldd "$tracelet" | grep -c 'libav' || true)"
