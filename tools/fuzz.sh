#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, ASan + UBSan) in build-fuzz and runs each for a while.
#   tools/fuzz.sh SECONDS [HARNESS...]   each harness SECONDS long (default: all harnesses)
#   tools/fuzz.sh --smoke                every harness a few seconds, as CI does
# New inputs go to build-fuzz/corpus/HARNESS (the checked-in seeds in fuzz/corpus stay as they
# are); a crash is kept as build-fuzz/findings/HARNESS-crash-... and makes the script fail.
# Totals of every run are appended to build-fuzz/fuzz-totals.log.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-fuzz
all=(corr_frame kvs kvt character route background data_file path_tick render_kvt)

seconds=${1:-}
[ "$seconds" = --smoke ] && seconds=3
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: $0 SECONDS [HARNESS...] | --smoke   (harnesses: ${all[*]})" >&2
  exit 2
fi
shift
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=("${all[@]}")

CC=${CC:-clang-14} CXX=${CXX:-clang++-14} "$top/tools/build.sh" "$build" -DTRACELET_FUZZ=ON

# Scratch files in memory where there is a tmpfs: every input is written to a file first.
[ -z "${FUZZ_TMPDIR:-}" ] && [ -w /dev/shm ] && FUZZ_TMPDIR=/dev/shm
scratch=$(mktemp -d "${FUZZ_TMPDIR:-/tmp}/tracelet-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$top/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

mkdir -p "$build/findings"
failed=0
printf '%-12s %14s  %s\n' harness executions result
for h in "${harnesses[@]}"; do
  program=$build/fuzz/fuzz_$h
  [ -x "$program" ] || { echo "no harness $h" >&2; exit 2; }
  mkdir -p "$build/corpus/$h"
  log=$build/findings/$h.log
  status=0
  "$program" "$build/corpus/$h" "$top/fuzz/corpus/$h" -max_total_time="$seconds" -timeout=20 \
    -rss_limit_mb=2560 -print_final_stats=1 -artifact_prefix="$build/findings/$h-" >"$log" 2>&1 \
    || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  result=ok
  if [ "$status" -ne 0 ]; then
    result="FAILED (exit $status, see $log)"
    failed=1
    grep -m 3 -E 'ERROR|runtime error|deadly signal' "$log" >&2 || true
  fi
  printf '%-12s %14s  %s\n' "$h" "${runs:-?}" "$result"
  echo "$(date -u +%FT%TZ) $h ${seconds}s runs=${runs:-?} $result" >>"$build/fuzz-totals.log"
done
exit $failed
