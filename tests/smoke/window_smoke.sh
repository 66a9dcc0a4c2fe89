#!/usr/bin/env bash
# Runs inside an X server: starts the program, finds its window by caption,
# checks that it is centred on the screen, presses Esc and expects status 0.
# Usage: window_smoke.sh BINARY SCREEN_WIDTH SCREEN_HEIGHT [SCREENSHOT.png]
set -u
binary=$1 screen_width=$2 screen_height=$3 screenshot=${4:-}
export QT_QPA_PLATFORM=xcb  # the test runner sets offscreen for widget tests
caption=Tolvanev1.2
tolerance=40  # pixels: without a window manager there is no frame to centre

fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }

# Starts the program and waits for its window; false when the program ended
# first (as it does when the X server is not ready to take a connection yet).
start_and_find_window() {
  "$binary" &
  pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n1)
    [ -n "$window" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  fail "no visible window captioned $caption"
}

for attempt in 1 2 3; do
  start_and_find_window && break
  [ "$attempt" -lt 3 ] || fail "the program ended before showing its window, three times"
  echo "the program ended before showing its window; starting it again"
  sleep 1
done

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT on ${screen_width}x$screen_height"
centre_x=$((X + WIDTH / 2)) centre_y=$((Y + HEIGHT / 2))
dx=$((centre_x - screen_width / 2)) dy=$((centre_y - screen_height / 2))
[ "${dx#-}" -le "$tolerance" ] && [ "${dy#-}" -le "$tolerance" ] ||
  fail "window centre $centre_x,$centre_y is not the screen centre"

[ -z "$screenshot" ] || import -window root "$screenshot" 2>/dev/null || echo "no screenshot taken"

# No window manager runs here: give the window the keyboard focus directly.
xdotool windowfocus --sync "$window"
xdotool key Escape
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "Esc did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status, expected 0"
echo "ok: centred, Esc ended the program with status 0"
