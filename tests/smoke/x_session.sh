# Sourced by the checks that drive the real program inside an X server:
# starting it and finding its window, and failing with a clear line.
export QT_QPA_PLATFORM=xcb  # the test runner sets offscreen for widget tests
caption=Tolvanev1.2
pid=""

fail() {
  echo "FAIL: $*" >&2
  [ -z "$pid" ] || kill "$pid" 2>/dev/null
  exit 1
}

# Starts "$@" in the background and waits for its window; false when the
# program ended first (as it does when the X server is not ready to take a
# connection yet). Sets pid and window.
start_and_find_window() {
  "$@" &
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

# start_and_find_window, tried three times.
start_program() {
  for attempt in 1 2 3; do
    start_and_find_window "$@" && return 0
    [ "$attempt" -lt 3 ] || fail "the program ended before showing its window, three times"
    echo "the program ended before showing its window; starting it again" >&2
    sleep 1
  done
}

# Ends the program started last, without checking how it ends.
stop_program() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=""
}
