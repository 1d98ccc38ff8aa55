#!/usr/bin/env bash
# Configures and builds one build tree:
#   tools/build.sh DIR [cmake options...]                    everything
#   tools/build.sh DIR --target T [--target T2...] -- [cmake options...]   only those targets
#   TRACELET_GENERATOR=default|"Unix Makefiles"|…   the generator of a new tree (default: Ninja)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
targets=()
while [ "${1:-}" = "--target" ]; do
  targets+=(--target "$2")
  shift 2
done
[ "${1:-}" != "--" ] || shift
# A new tree is made with Ninja, or with CMake's default generator when TRACELET_GENERATOR=default
# (CI builds one suite so, as packagers do); a tree made before keeps its generator.
generator=(-G "${TRACELET_GENERATOR:-Ninja}")
if [ "${TRACELET_GENERATOR:-}" = default ] || [ -f "$dir/CMakeCache.txt" ]; then
  generator=()
fi
cmake -S . -B "$dir" "${generator[@]}" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
