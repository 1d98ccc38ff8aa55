#!/usr/bin/env bash
# The real window on a virtual screen, driven with the mouse and keyboard as a person would:
# each run below starts `tracelet`, works it, closes it with Esc, and requires exit status 0 with
# nothing from the sanitizers (a sanitized build reports there and fails the run).
#   real_window_test.sh TRACELET SAMPLES_DIR [RUN...]
#     runs: correlation, correlation_closed_while_playing, path, path_view, refused_speed, teaching_close
#     (default: all)
# Exit 77 (skipped) without Xvfb, xdotool or ImageMagick's import. With TRACELET_WINDOW_SHOTS set
# to a folder, a picture of the screen at each checked moment is kept there.
set -euo pipefail
exe=$(realpath "$1")
samples=$(realpath "$2")
shift 2
runs=("$@")
[ ${#runs[@]} -gt 0 ] || runs=(correlation correlation_closed_while_playing path path_view refused_speed teaching_close)
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d /tmp/tracelet-window.XXXXXX)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*" >&2
  if [ -n "$xvfb_pid" ] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "the virtual screen had stopped:" >&2
    sed 's/^/  Xvfb: /' "$work/xvfb.log" >&2
  fi
  [ -f "$work/stderr" ] && sed 's/^/  tracelet: /' "$work/stderr" >&2
  import -window root "$work/../tracelet-window-failure.png" 2>/dev/null \
    && echo "screen kept in /tmp/tracelet-window-failure.png" >&2
  exit 1
}

# --- the virtual screen -----------------------------------------------------------------------
# A display number of its own, away from the low ones desktops and other tools take; a number
# another server holds, or one that does not answer, is passed over. -noreset: the server would
# otherwise start over each time its last client (a run, an xdotool call) leaves, and a client
# connecting in that moment is refused.
first=$((200 + RANDOM % 600))
for n in $(seq "$first" $((first + 40))); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    kill -0 "$xvfb_pid" 2>/dev/null || break
    DISPLAY=:$n xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
[ -n "$xvfb_pid" ] || fail "no virtual screen started"
export DISPLAY=:$n
unset QT_QPA_PLATFORM

# --- what a person does ------------------------------------------------------------------------
# Dialog units become pixels as the dialogs lay them out: x · 7 / 4, y · 12 / 8.
px() { echo $(($1 * 7 / 4)); }
py() { echo $(($1 * 12 / 8)); }

# The id of the visible window with exactly this title, waiting up to 60 s for it (a loaded
# machine starts a sanitized program slowly).
window() {
  local id
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\""
}

# Clicks at a point of a window given in dialog units (the middle of a control's rectangle).
click_at() {
  local win=$1 x=$2 y=$3
  xdotool mousemove --window "$win" "$(px "$x")" "$(py "$y")" click 1
  sleep 0.5
}

# The colour (#RRGGBB) of one screen pixel, at an offset in pixels from a window's corner.
colour_at() {
  local win=$1 dx=$2 dy=$3 x y
  eval "$(xdotool getwindowgeometry --shell "$win")"
  x=$((X + dx))
  y=$((Y + dy))
  import -window root -crop "1x1+$x+$y" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
}

# Keeps a picture of the whole screen when pictures are wanted.
shot() {
  [ -n "${TRACELET_WINDOW_SHOTS:-}" ] || return 0
  mkdir -p "$TRACELET_WINDOW_SHOTS"
  import -window root "$TRACELET_WINDOW_SHOTS/$1.png"
}

# Waits up to `seconds` for a pixel of a window to take a colour (=) or to leave it (!=).
expect_colour() {
  local win=$1 dx=$2 dy=$3 op=$4 colour=$5 seconds=$6 what=$7 got=
  for _ in $(seq $((seconds * 4))); do
    got=$(colour_at "$win" "$dx" "$dy")
    [ "$got" "$op" "$colour" ] && return
    sleep 0.25
  done
  fail "$what: pixel ($dx, $dy) is $got, expected $op $colour"
}

# Waits until the keyboard focus moves away from a window (a dialog opened or closed).
focus_leaves() {
  for _ in $(seq 400); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" != "$1" ] && { sleep 0.3; return; }
    sleep 0.1
  done
  fail "$2"
}

# Clicks a button that opens a file dialog, types the path into its name field, presses Return.
answer_file_dialog() {
  local win=$1 x=$2 y=$3 path=$4 dialog
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  local before
  before=$(xdotool getwindowfocus)
  click_at "$win" "$x" "$y"
  focus_leaves "$before" "no file dialog opened"
  dialog=$(xdotool getwindowfocus)
  xdotool type --delay 15 "$path"
  xdotool key Return
  focus_leaves "$dialog" "the file dialog did not close"
}

# In Japanese, whatever the machine's language: the checks find the dialogs by their titles.
start_window() {
  (cd "$work" && exec "$exe" --lang ja 2>"$work/stderr") &
  app_pid=$!
  main=$(window Tracelet)
}

# The program, told to close (how: $2), must end by itself, with 0 and a clean report.
window_ends() {
  local status=0
  for _ in $(seq 300); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app_pid" 2>/dev/null && fail "$1: the window did not close on $2"
  wait "$app_pid" || status=$?
  app_pid=
  [ "$status" -eq 0 ] || fail "$1: exit status $status"
  if grep -qE 'Sanitizer|runtime error|SUMMARY:' "$work/stderr"; then
    fail "$1: the sanitizers reported"
  fi
  echo "ok: $1"
}

# Esc closes the window.
close_with_escape() {
  xdotool mousemove --window "$main" 300 150
  xdotool key Escape
  window_ends "$1" Esc
}

# A pixel of a bitmap button's face (x, y of the button in dialog units): a button shows whether
# it is active by its face colour, compared with the idle face the window starts with.
face() { echo "$(($(px "$1") + 4)) $(($(py "$2") + 4))"; }

# --- the runs ----------------------------------------------------------------------------------
# Starts a correlation run of eighty points at 50 ms from a setup file and presses play.
start_correlation_play() {
  { echo "x,y"; for i in $(seq 80); do echo "$i,$(((i * 37) % 23))"; done; } >"$work/points.csv"
  printf 'KVT_GRIDWALK_SETUP_SOUKAN\r\npoints.csv\r\n1\r\n2\r\n2\r\n50\r\n1\r\n100.0\r\n-100.0\r\n100.0\r\n-100.0\r\n' \
    >"$work/run.kvs"
  start_window
  read -r rx ry <<<"$(face 39 243)"
  read -r pxx pyy <<<"$(face 75 243)"
  run_idle=$(colour_at "$main" "$rx" "$ry")
  play_idle=$(colour_at "$main" "$pxx" "$pyy")
  click_at "$main" $((39 + 14)) $((243 + 7)) # 相関図
  local setup
  setup=$(window 相関図セットアップ)
  answer_file_dialog "$setup" $((267 + 8)) $((221 + 5)) "$work/run.kvs" # load a setup file
  shot correlation-setup-loaded
  click_at "$setup" $((182 + 25)) $((240 + 7)) # OK
  expect_colour "$main" "$rx" "$ry" != "$run_idle" 30 "correlation run started"
  click_at "$main" $((75 + 16)) $((243 + 7)) # play
  expect_colour "$main" "$pxx" "$pyy" != "$play_idle" 5 "playing"
}

# Each run starts the window, works one diagram, and closes it.
correlation_run() {
  start_correlation_play
  shot correlation-playing
  expect_colour "$main" "$pxx" "$pyy" = "$play_idle" 30 "played to the end"
  shot correlation-end
  close_with_escape "correlation run played to the end"
}

# Closing stops the clock in the middle of the animation, with ticks on their way.
correlation_closed_while_playing_run() {
  start_correlation_play
  close_with_escape "correlation run closed while playing"
}

# The bundled map and walkers, eighty points at 50 ms; at the end the walker stays on the last
# point with the clock running until play is pressed again.
path_run() {
  { echo "X,Y,direction,interp_speed,plot_speed"
    for i in $(seq 0 79); do echo "$((100 + i * 6)),$((150 + i * 2)),75$([ "$i" = 0 ] && echo ",1000,50")"; done
  } >"$work/walk.csv"
  printf 'KVT_GRIDWALK_SETUP\r\n%s\r\n0.000000\r\n0.000000\r\n%s\r\n%s\r\nwalk.csv\r\n' \
    "$samples/bitmap1.bmp" "$samples/walker1.bmp" "$samples/walker2.bmp" >"$work/walk.kvt"
  start_window
  read -r rx ry <<<"$(face 6 243)"
  read -r pxx pyy <<<"$(face 75 243)"
  run_idle=$(colour_at "$main" "$rx" "$ry")
  play_idle=$(colour_at "$main" "$pxx" "$pyy")
  click_at "$main" $((6 + 14)) $((243 + 7)) # 経路図
  local setup
  setup=$(window 経路図セットアップ)
  answer_file_dialog "$setup" $((220 + 8)) $((256 + 5)) "$work/walk.kvt" # load a setup file
  shot path-setup-loaded
  click_at "$setup" $((77 + 25)) $((280 + 7)) # OK
  expect_colour "$main" "$rx" "$ry" != "$run_idle" 30 "path run started"
  click_at "$main" $((75 + 16)) $((243 + 7)) # play
  expect_colour "$main" "$pxx" "$pyy" != "$play_idle" 5 "playing"
  sleep 6 # eighty points at 50 ms, and room for a slow machine
  shot path-end
  click_at "$main" $((75 + 16)) $((243 + 7)) # at the end one press starts the walk again
  sleep 1
  shot path-again
  expect_colour "$main" "$pxx" "$pyy" != "$play_idle" 5 "playing again after one press"
  click_at "$main" $((75 + 16)) $((243 + 7)) # pause
  expect_colour "$main" "$pxx" "$pyy" = "$play_idle" 5 "paused"
  close_with_escape "path run played to the end and again"
}

# A map and a character of one's own, the walk along the view's bottom edge: paused, two scrolls
# up leave nothing of the character below the picture area.
path_view_run() {
  convert -size 700x900 gradient:'#3a7a3a-#c0d8a0' -type TrueColor "BMP3:$work/map.bmp"
  convert -size 32x32 xc:white -fill '#c00000' -draw 'rectangle 12,2 19,29' -type TrueColor \
    "BMP3:$work/me.bmp"
  { echo "X,Y,direction,interp_speed,plot_speed"
    for i in $(seq 0 59); do echo "$((60 + i * 5)),12,90$([ "$i" = 0 ] && echo ",1000,50")"; done
  } >"$work/edge.csv"
  printf 'KVT_GRIDWALK_SETUP\r\n%s\r\n0.000000\r\n0.000000\r\n%s\r\n\r\nedge.csv\r\n' \
    "$work/map.bmp" "$work/me.bmp" >"$work/edge.kvt"
  start_window
  read -r rx ry <<<"$(face 6 243)"
  read -r pxx pyy <<<"$(face 75 243)"
  run_idle=$(colour_at "$main" "$rx" "$ry")
  play_idle=$(colour_at "$main" "$pxx" "$pyy")
  click_at "$main" $((6 + 14)) $((243 + 7)) # 経路図
  local setup below
  setup=$(window 経路図セットアップ)
  answer_file_dialog "$setup" $((220 + 8)) $((256 + 5)) "$work/edge.kvt"
  click_at "$setup" $((77 + 25)) $((280 + 7)) # OK
  expect_colour "$main" "$rx" "$ry" != "$run_idle" 30 "path run started"
  below=$(colour_at "$main" 200 $(($(py 2) + 350)))
  click_at "$main" $((75 + 16)) $((243 + 7)) # play
  sleep 1
  click_at "$main" $((75 + 16)) $((243 + 7)) # pause
  click_at "$main" $((325 + 7)) $((151 + 8)) # up
  click_at "$main" $((325 + 7)) $((151 + 8)) # up
  sleep 1
  shot path-view-scrolled
  for x in $(seq 40 20 400); do
    [ "$(colour_at "$main" "$x" $(($(py 2) + 350)))" = "$below" ] \
      || fail "a pixel below the picture at column $x was painted"
  done
  click_at "$main" $((75 + 16)) $((243 + 7)) # play on to the end
  sleep 5
  click_at "$main" $((75 + 16)) $((243 + 7)) # one press: again from the start
  expect_colour "$main" "$pxx" "$pyy" != "$play_idle" 5 "playing again after one press"
  shot path-view-again
  close_with_escape "own map and character along the picture's edge"
}

# A plot speed OK refuses (20 ms): OK says so and closes; the save it offers writes the speed
# accepted before (50), never the refused one.
refused_speed_run() {
  for i in $(seq 30); do echo "$i,$(((i * 7) % 11))"; done >"$work/xy.csv" # no heading: row 1 is data
  start_window
  click_at "$main" $((39 + 14)) $((243 + 7)) # 相関図
  local setup question
  setup=$(window 相関図セットアップ)
  answer_file_dialog "$setup" $((267 + 8)) $((18 + 5)) "$work/xy.csv"
  click_at "$setup" $((7 + 5)) $((158 + 5)) # プロット速度を設定する。
  click_at "$setup" $((92 + 16)) $((157 + 6))
  xdotool key ctrl+a
  xdotool type "20"
  shot refused-speed-typed
  click_at "$setup" $((182 + 25)) $((240 + 7)) # OK: "プロット速度指定不正です。"
  shot refused-speed-told
  xdotool key Return
  question=$(window "OK　or　キャンセル")
  xdotool windowfocus --sync "$question" 2>/dev/null || true
  local before
  before=$(xdotool getwindowfocus)
  click_at "$question" $((72 + 25)) $((72 + 7)) # save: yes
  focus_leaves "$before" "no save dialog opened"
  xdotool type --delay 15 "$work/saved.kvs"
  xdotool key Return
  for _ in $(seq 100); do [ -s "$work/saved.kvs" ] && break; sleep 0.1; done
  [ "$(sed -n 6p "$work/saved.kvs" | tr -d '\r')" = 50 ] \
    || fail "the saved plot speed is $(sed -n 6p "$work/saved.kvs"), not the 50 accepted before"
  sleep 1
  click_at "$main" $((307 + 25)) $((241 + 7)) # キャンセル closes the window
  window_ends "a refused plot speed is neither saved nor played" キャンセル
}

# Teaching on one's own map: two points taught, then Esc asks before they are lost; キャンセル keeps
# the window, OK closes it.
teaching_close_run() {
  convert -size 700x500 gradient:'#d0c090-#708050' -type TrueColor "BMP3:$work/plain.bmp"
  printf 'KVT_GRIDWALK_SETUP\r\n%s\r\n0.000000\r\n0.000000\r\n\r\n\r\n\r\n' "$work/plain.bmp" \
    >"$work/teach.kvt"
  start_window
  read -r rx ry <<<"$(face 6 243)"
  run_idle=$(colour_at "$main" "$rx" "$ry")
  click_at "$main" $((6 + 14)) $((243 + 7)) # 経路図
  local setup question
  setup=$(window 経路図セットアップ)
  answer_file_dialog "$setup" $((220 + 8)) $((256 + 5)) "$work/teach.kvt"
  click_at "$setup" $((14 + 5)) $((156 + 5)) # 教示ポイントデータとする: a note, then the save dialog
  xdotool key Return
  sleep 1
  xdotool type --delay 15 "$work/route.csv"
  xdotool key Return
  sleep 1
  click_at "$setup" $((77 + 25)) $((280 + 7)) # OK, then "save the setup?" answered キャンセル
  question=$(window "OK　or　キャンセル")
  click_at "$question" $((130 + 25)) $((72 + 7))
  expect_colour "$main" "$rx" "$ry" != "$run_idle" 30 "teaching run started"
  sleep 0.5
  xdotool mousemove --window "$main" $(($(px 3) + 100)) $(($(py 2) + 200)) click 1
  sleep 0.3
  xdotool mousemove --window "$main" $(($(px 3) + 300)) $(($(py 2) + 150)) click 1
  sleep 0.5
  shot teaching-two-points
  xdotool key Escape
  question=$(window "OK　or　キャンセル")
  shot teaching-close-asked
  click_at "$question" $((130 + 25)) $((72 + 7)) # キャンセル: the window stays
  sleep 1
  kill -0 "$app_pid" 2>/dev/null || fail "the window closed although キャンセル was chosen"
  xdotool mousemove --window "$main" 300 150
  xdotool key Escape
  question=$(window "OK　or　キャンセル")
  click_at "$question" $((72 + 25)) $((72 + 7)) # OK: close without the points
  window_ends "closing with taught points asks first" OK
}

for run in "${runs[@]}"; do
  "${run}_run"
done
