#!/usr/bin/env bash
# Builds the sanitizer tree and runs the soak: 10,000-point animations on the real clock at 1 ms
# per point under AddressSanitizer + LeakSanitizer, with resident memory reported. Takes minutes.
#   tools/soak.sh [RUN...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/build.sh" "$top/build-asan" -DTRACELET_SANITIZE=ON -DTRACELET_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
# A small quarantine: with the default 256 MB of freed blocks held back, resident memory would
# show the sanitizer's bookkeeping instead of the program's.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=8
export LSAN_OPTIONS=suppressions=$top/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
exec "$top/build-asan/tools/soak/tracelet_soak" "$@"
