#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh             plain build (warnings as errors), then the Debian package made and checked
#   ./test.sh --sanitize  the same suite built with AddressSanitizer + UndefinedBehaviorSanitizer
#   ./test.sh --fuzz-smoke  every fuzz harness a few seconds (clang, ASan + UBSan; tools/fuzz.sh)
#   ./test.sh --all       all three, one after the other
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
mode=${1:-plain}
"$top/tools/install-deps.sh"

run_suite() {
  local dir=$1
  shift
  "$top/tools/build.sh" "$dir" -DTRACELET_WERROR=ON "$@"
  (cd "$dir" && ctest --output-on-failure --timeout 600 -j "$(nproc)")
}

case "$mode" in
  plain)
    # CMake's default generator here, Ninja in the others: both must build. The package is made
    # from this tree and checked without installing it.
    TRACELET_GENERATOR=default run_suite "$top/build"
    deb=$(TRACELET_BUILD_DIR="$top/build" "$top/tools/package.sh" "$top/build/package")
    "$top/tests/package/check_package.sh" "$deb" "$top/samples" ;;
  --sanitize)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$top/tools/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_suite "$top/build-asan" -DTRACELET_SANITIZE=ON -DTRACELET_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug ;;
  --fuzz-smoke) "$top/tools/fuzz.sh" --smoke ;;
  --all)
    "$0" plain
    "$0" --sanitize
    "$0" --fuzz-smoke ;;
  *) echo "usage: $0 [--sanitize|--fuzz-smoke|--all]" >&2; exit 2 ;;
esac
