#!/usr/bin/env bash
# Makes the pictures of docs/guide.md from the real window on a virtual screen (Xvfb), worked
# with the mouse and keyboard as a person would, so that they always show the window as it is:
#   tools/guide_screenshots.sh [TRACELET]     (default build/tracelet; needs xvfb-run, xdotool,
#                                             ImageMagick's import and convert)
# The pictures go to docs/images/; the bundled samples are worked on in a copy.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$top/build/tracelet}")
out=$top/docs/images

if [ -z "${TRACELET_GUIDE_SCREEN:-}" ]; then
  for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (tools/install-deps.sh)" >&2; exit 1; }
  done
  exec env TRACELET_GUIDE_SCREEN=1 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$exe"
fi

unset QT_QPA_PLATFORM
# One fixed folder, so that the paths the dialogs show stay the same from one run to the next.
work=/tmp/tracelet-guide
rm -rf "$work"
mkdir -p "$work"
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$top"/samples/* "$work/"
mkdir -p "$out"

fail() {
  echo "guide_screenshots: $*" >&2
  import -window root /tmp/tracelet-guide-failure.png 2>/dev/null \
    && echo "screen kept in /tmp/tracelet-guide-failure.png" >&2
  exit 1
}

# Dialog units become pixels as the dialogs lay them out: x · 7 / 4, y · 12 / 8.
px() { echo $(($1 * 7 / 4)); }
py() { echo $(($1 * 12 / 8)); }

# The id of the visible window with exactly this title, waiting up to 30 s for it.
window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\""
}

# Clicks the middle of a control given by its rectangle in dialog units.
click_control() {
  local win=$1 x=$2 y=$3 w=$4 h=$5
  xdotool mousemove --window "$win" "$(px $((x + w / 2)))" "$(py $((y + h / 2)))" click 1
  sleep 0.6
}

focus_leaves() {
  for _ in $(seq 300); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" != "$1" ] && { sleep 0.4; return; }
    sleep 0.1
  done
  fail "$2"
}

# A button that opens a file dialog; the path is typed into the dialog's name field.
answer_file_dialog() {
  local win=$1 path=$2 dialog before
  shift 2
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  before=$(xdotool getwindowfocus)
  click_control "$win" "$@"
  focus_leaves "$before" "no file dialog opened"
  dialog=$(xdotool getwindowfocus)
  xdotool type --delay 10 "$path"
  xdotool key Return
  focus_leaves "$dialog" "the file dialog did not close"
}

# Presses the default button of the message box in front, after keeping its picture if named.
answer_message() {
  local before
  before=$(xdotool getwindowfocus)
  [ -n "${1:-}" ] && import -window "$before" "$out/$1.png"
  xdotool key Return
  focus_leaves "$before" "the message box did not close"
}

shot() { import -window "$1" "$out/$2.png"; }

# In Japanese unless a language is given: the steps find the dialogs by their titles.
start_window() {
  (cd "$work" && exec "$exe" --lang "${1:-ja}" 2>"$work/stderr") &
  app_pid=$!
  main=$(window Tracelet)
  sleep 1
}

close_window() {
  xdotool mousemove --window "$main" 300 150
  xdotool key Escape
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=
}

# The main window's controls in dialog units, numbered as the guide names them, with the side of
# the control its number goes on: above the bottom row, left of the tool panel, inside the picture.
controls=(
  "1 6 243 above"    # 経路図 run
  "2 39 243 above"   # 相関図 run
  "3 75 243 above"   # play / pause
  "4 130 243 above"  # 時間
  "5 202 243 above"  # X値
  "6 255 243 above"  # Y値
  "7 309 21 left"    # slider mode
  "8 309 42 left"    # data-position slider
  "9 309 90 left"    # teaching correction
  "10 310 113 left"  # In / Out
  "11 310 130 left"  # zoom label
  "12 309 151 left"  # scroll arrows
  "13 307 241 above" # ｷｬﾝｾﾙ
  "14 3 2 inside"    # picture area
)

# The picture $1 with the numbers in red discs, written as docs/images/$2.png.
annotate() {
  local args=() n x y side cx cy
  for c in "${controls[@]}"; do
    read -r n x y side <<<"$c"
    case $side in
      above) cx=$(($(px "$x") + 9)); cy=$(($(py "$y") - 6)) ;;
      left) cx=$(($(px "$x") - 8)); cy=$(($(py "$y") + 8)) ;;
      inside) cx=$(($(px "$x") + 14)); cy=$(($(py "$y") + 14)) ;;
    esac
    args+=(-fill '#d01010' -stroke white -draw "circle $cx,$cy $((cx + 8)),$cy")
    args+=(-fill white -stroke none -draw "text $((cx - ${#n} * 4 + 1)),$((cy + 4)) '$n'")
  done
  convert "$1" -font DejaVu-Sans-Bold -pointsize 11 "${args[@]}" -define png:exclude-chunks=date,time \
    "$out/$2.png"
}

# --- the correlation diagram ---------------------------------------------------------------------
start_window
click_control "$main" 39 243 29 15 # 相関図
setup=$(window 相関図セットアップ)
answer_file_dialog "$setup" "$work/correlation_negative.kvs" 267 221 17 11
shot "$setup" correlation-setup
click_control "$setup" 182 240 50 14 # OK
sleep 1
click_control "$main" 75 243 32 14 # play: 150 points at 50 ms
sleep 3
shot "$main" correlation-playing
sleep 7
import -window "$main" "$work/correlation-end.png"
annotate "$work/correlation-end.png" window
click_control "$main" 309 21 43 12 # slider mode
xdotool mousemove --window "$main" "$(px 333)" "$(py 50)" click 1
sleep 0.5
for _ in $(seq 12); do xdotool key Left; done
sleep 0.5
shot "$main" correlation-slider
close_window

# A data file saved by a spreadsheet set to a decimal-comma region.
sed -e 's/,/;/g' -e 's/\./,/g' "$work/correlation_negative.csv" >"$work/semicolon.csv"
printf 'KVT_GRIDWALK_SETUP_SOUKAN\r\nsemicolon.csv\r\n1\r\n2\r\n2\r\n0\r\n1\r\n100.0\r\n-100.0\r\n100.0\r\n-100.0\r\n' \
  >"$work/semicolon.kvs"
start_window
click_control "$main" 39 243 29 15
setup=$(window 相関図セットアップ)
answer_file_dialog "$setup" "$work/semicolon.kvs" 267 221 17 11
click_control "$setup" 182 240 50 14
focus_leaves "$setup" "the setup stayed open"
answer_message message-dialect
close_window

# --- the path diagram ----------------------------------------------------------------------------
start_window
click_control "$main" 6 243 29 15 # 経路図
setup=$(window 経路図セットアップ)
answer_file_dialog "$setup" "$work/path_walk.kvt" 220 256 17 11
shot "$setup" path-setup
click_control "$setup" 77 280 50 14 # OK
sleep 1.5
click_control "$main" 75 243 32 14 # play
sleep 6
click_control "$main" 75 243 32 14 # pause
shot "$main" path-playing
close_window

# --- teaching ------------------------------------------------------------------------------------
start_window
click_control "$main" 6 243 29 15
setup=$(window 経路図セットアップ)
answer_file_dialog "$setup" "$work/path_walk.kvt" 220 256 17 11
xdotool windowfocus --sync "$setup" 2>/dev/null || true
click_control "$setup" 14 156 91 11 # 教示ポイントデータとする
focus_leaves "$setup" "no notice about the route file"
answer_message
dialog=$(xdotool getwindowfocus)
xdotool type --delay 10 "$work/my_route.csv"
xdotool key Return
focus_leaves "$dialog" "the file dialog did not close"
click_control "$setup" 170 155 46 10 # 曲線補間
shot "$setup" teaching-setup
click_control "$setup" 77 280 50 14 # OK
confirm=$(window "OK　or　キャンセル")
click_control "$confirm" 130 72 50 14 # do not save the changed setup
sleep 1.5
# Teaching points along the lower-left of the map (picture pixels).
for p in "60 300" "150 240" "260 270" "330 170" "450 120"; do
  read -r x y <<<"$p"
  xdotool mousemove --window "$main" $(($(px 3) + x)) $(($(py 2) + y)) click 1
  sleep 0.4
done
xdotool mousemove --window "$main" $(($(px 3) + 400)) $(($(py 2) + 200))
sleep 0.5
shot "$main" teaching-points
click_control "$main" 75 243 32 14 # play: the route is built, written and played
sleep 4
shot "$main" teaching-route
close_window
[ -s "$work/my_route.csv" ] || fail "the teaching route was not written"

# --- the same correlation run in English ---------------------------------------------------------
start_window en
click_control "$main" 39 243 29 15 # Correl.
setup=$(window "Correlation Setup")
answer_file_dialog "$setup" "$work/correlation_negative.kvs" 267 221 17 11
shot "$setup" correlation-setup-en
click_control "$setup" 182 240 50 14 # OK
sleep 1
click_control "$main" 75 243 32 14 # play
sleep 10
shot "$main" window-en
close_window
echo "pictures written to $out"
