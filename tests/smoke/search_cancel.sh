#!/usr/bin/env bash
# Runs inside an X server: a search whose engine call lasts seconds (the long
# pattern case) shows the progress box; Esc ends the press; a second press
# searches again; a close request of the main window during a third search
# then ends the program with status 0 at once, though the searches are still
# inside the engine.
# Usage: search_cancel.sh CLOSE_REQUEST_TOOL PROGRAM
set -u
source "$(dirname "$0")/x_session.sh"

close_request=$1
shift
start_program "$@"
eval "$(xdotool getwindowgeometry --shell "$window")"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }  # a point of the window
milliseconds() { echo $(($(date +%s%N) / 1000000)); }

# Waits (at most `limit` tenths of a second) until the program shows `count`
# windows: the main window, and the progress box while a search runs.
wait_for_windows() {
  local count=$1 limit=$2 shown
  for _ in $(seq "$limit"); do
    shown=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)
    [ "$shown" -eq "$count" ] && return 0
    sleep 0.1
  done
  return 1
}

# Presses 匹配 and waits for the progress box.
press_until_progress_box() {
  click 263 407
  wait_for_windows 2 300 || fail "press $1: no progress box"
}

# Presses 匹配 and, once the progress box shows, Esc on it.
press_and_cancel() {
  press_until_progress_box "$1"
  local box started
  box=$(xdotool search --onlyvisible --pid "$pid" | grep -vx "$window" | head -n1)
  xdotool windowfocus --sync "$box"
  started=$(milliseconds)
  xdotool key Escape
  wait_for_windows 1 50 || fail "press $1: Esc did not end the search"
  echo "press $1: Esc ended the search after $(($(milliseconds) - started)) ms (polled)"
}

# No window manager runs here: give the window the keyboard focus directly.
xdotool windowfocus --sync "$window"
click 150 60 && xdotool type "$(printf 'a%.0s' $(seq 300))"
pattern="(a+)+b$(printf '|[c]%.0s' $(seq 300))"  # the engine's limit grows with the pattern's square
click 150 260 && xdotool type "$pattern"
press_and_cancel 1
press_and_cancel 2

press_until_progress_box 3
started=$(milliseconds)
"$close_request" "$window" || fail "the close request could not be sent"
expect_program_ends "after a close request during a search"
echo "ok: two searches cancelled; a close request during the third ended the program with status 0 after $(($(milliseconds) - started)) ms"
