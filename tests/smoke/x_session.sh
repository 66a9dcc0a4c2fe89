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

# Starts "$@" in the background and waits for its window (sets pid and
# window). A program that ends first is started again, up to three times, as
# it ends when the X server is not ready to take a connection yet.
start_program() {
  for attempt in 1 2 3; do
    "$@" &
    pid=$!
    for _ in $(seq 100); do
      window=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n1)
      [ -n "$window" ] && return 0
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "no visible window captioned $caption"
    echo "the program ended before showing its window (attempt $attempt)" >&2
    sleep 1
  done
  fail "the program ended before showing its window, three times"
}

# Expects the program to end with status 0 within five seconds; `what` names
# the situation in the messages.
expect_program_ends() {
  local what=$1 status
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end${what:+ $what}"
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || fail "exit status $status${what:+ $what}, expected 0"
}

# Presses Esc on the main window and expects the program to end with status 0.
expect_esc_ends_program() {
  xdotool windowfocus --sync "$window"
  xdotool key Escape
  expect_program_ends "after Esc${1:+ $1}"
}

# Ends the program started last, without checking how it ends.
stop_program() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=""
}
