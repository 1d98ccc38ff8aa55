#!/usr/bin/env bash
# Builds Tracelet (the program and its MP4 writer only: ./test.sh builds the tests) and opens it
# on the bundled samples (they are its working directory, so the default background bitmap1.bmp
# is found).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/tools/install-deps.sh"
"$top/tools/build.sh" "$top/build" --target tracelet -- -DTRACELET_BENCH=OFF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Tracelet needs a display, and none is set (DISPLAY is empty)." >&2
  echo "On a machine without a screen, run it under a virtual one:  xvfb-run -a ./run.sh" >&2
  exit 1
fi
cd "$top/samples"
exec "$top/build/tracelet" "$@"
