#!/usr/bin/env bash
# Writes tracelet.1.gz from the program's own --help texts: the usage, then render's options, then
# the environment and files from tracelet.h2m.
#   usage: make_man_page.sh TRACELET OUTPUT.1.gz
set -euo pipefail
program=$1
output=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# render --help as it prints, kept unfilled; roff needs its backslashes and leading dashes escaped.
{
  echo '[RENDER]'
  echo '.nf'
  "$program" render --help | sed 's/\\/\\e/g; s/^-/\\-/; s/^\./\\\&./'
  echo '.fi'
} >"$work/render.h2m"
help2man --no-info --name "turn columns of numbers into moving pictures" \
  --include "$work/render.h2m" --include "$here/tracelet.h2m" --output "$work/tracelet.1" "$program"
gzip -9n <"$work/tracelet.1" >"$output"
