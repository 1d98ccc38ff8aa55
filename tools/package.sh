#!/usr/bin/env bash
# Makes the Debian package tracelet_VERSION_ARCH.deb with CPack and prints its path.
#   tools/package.sh [OUTDIR]        (default: build-release/package)
# It builds in build-release (Release, CMake's default generator) unless TRACELET_BUILD_DIR names
# a build tree already made, which only has to be brought up to date.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TRACELET_BUILD_DIR:-$top/build-release}
out=$(realpath -m "${1:-$build/package}")
"$top/tools/install-deps.sh" >&2
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTRACELET_BENCH=OFF >&2
fi
cmake --build "$build" --parallel "$(nproc)" --target tracelet_package_files >&2
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >&2
rm -rf "$out/_CPack_Packages"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
ls "$out/tracelet_${version}_$(dpkg --print-architecture).deb"
