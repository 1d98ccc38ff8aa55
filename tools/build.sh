#!/usr/bin/env bash
# Configures and builds one build tree:
#   tools/build.sh DIR [cmake options...]                    everything
#   tools/build.sh DIR --target T [--target T2...] -- [cmake options...]   only those targets
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
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
