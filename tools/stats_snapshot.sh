#!/usr/bin/env bash
# Prints `tracelet stats` (stdout and stderr) of every sample data file, so that two builds can be
# compared: tools/stats_snapshot.sh OLD/tracelet > old.txt; tools/stats_snapshot.sh build/tracelet > new.txt
set -uo pipefail
bin=${1:-build/tracelet}
cd "$(dirname "$0")/.."
for file in samples/*.csv; do
    for start in 1 2; do
        for columns in "--x 1 --y 2" "--x 2 --y 3" "--x 3 --y 1"; do
            echo "== $file --start $start $columns"
            # shellcheck disable=SC2086
            "$bin" stats "$file" --start "$start" $columns 2>&1
            echo "exit $?"
        done
    done
done
