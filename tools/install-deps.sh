#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that building, running and testing Tracelet need,
# and only those that are missing. Safe to run again.
set -euo pipefail

# Python 3 cuts the efont strikes (xfonts-efont-unicode, needed to build only) down to the
# program's characters; FFmpeg's libraries write MP4 (the plugin); desktop-file-utils and
# shared-mime-info check the installed desktop files; hyperfine, Pillow and gifsicle run the export
# benchmark against a Python writer and a GIF optimiser; clang and its runtime build the fuzz
# harnesses; ImageMagick takes the real-window test's screenshots; dpkg-dev and file (CPack's
# library dependencies), help2man (the manual page), lintian and appstream make and check the
# Debian package.
packages=(cmake g++ ninja-build pkg-config python3 qt6-base-dev qt6-translations-l10n qt6-l10n-tools libgtest-dev
  libbenchmark-dev fonts-ipafont-gothic xfonts-efont-unicode locales xvfb xauth xdotool
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev desktop-file-utils
  shared-mime-info hyperfine python3-pil gifsicle imagemagick clang-14 libclang-rt-14-dev
  dpkg-dev file help2man lintian appstream)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so that the tests can prove number handling ignores the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8" >&2
fi
