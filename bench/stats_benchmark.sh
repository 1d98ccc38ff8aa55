#!/usr/bin/env bash
# `tracelet stats` on a 1,000,000-row two-column file against pandas.read_csv + numpy computing the
# same mean, slope and r, side by side and alternated (hyperfine, whole processes), plus the read
# and the statistics alone inside pandas. Needs Debian's python3-pandas and hyperfine.
#   bench/stats_benchmark.sh [BUILD_DIR]   (default: build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data=$work/million.csv

# X in Unix seconds (the offset that used to cancel the slope), Y a noisy line.
/usr/bin/python3 - "$data" <<'PY'
import random, sys
random.seed(1)
with open(sys.argv[1], "w") as f:
    f.write("time,value\n")
    for i in range(1_000_000):
        f.write("%.1f,%.4f\n" % (1.7e9 + 0.5 * i, 3.0 * i + random.gauss(0, 50)))
PY

cat >"$work/pandas_stats.py" <<'PY'
import sys, time
t0 = time.perf_counter()
import numpy as np
import pandas as pd
t1 = time.perf_counter()
frame = pd.read_csv(sys.argv[1])
x = frame.iloc[:, 0].to_numpy()
y = frame.iloc[:, 1].to_numpy()
t2 = time.perf_counter()
slope, intercept = np.polyfit(x, y, 1)
r = np.corrcoef(x, y)[0, 1]
t3 = time.perf_counter()
print('{"rowCount": %d, "meanX": %r, "meanY": %r, "regressionSlope": %r, "r": %r}'
      % (len(x), x.mean(), y.mean(), slope, r))
if len(sys.argv) > 2:
    print("pandas: import %.0f ms, read_csv %.0f ms, statistics %.0f ms"
          % ((t1 - t0) * 1e3, (t2 - t1) * 1e3, (t3 - t2) * 1e3), file=sys.stderr)
PY

echo "--- the same figures from both"
"$build/tracelet" stats "$data" --start 2 | grep -E '"(rowCount|meanX|meanY|regressionSlope|r)"'
/usr/bin/python3 "$work/pandas_stats.py" "$data" --times
hyperfine --warmup 1 --runs 10 --style basic \
  -n "tracelet stats" "$build/tracelet stats $data --start 2" \
  -n "pandas.read_csv + numpy" "/usr/bin/python3 $work/pandas_stats.py $data"
