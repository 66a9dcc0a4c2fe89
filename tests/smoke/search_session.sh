# Sourced after x_session.sh by the checks that search in the real program:
# clicking into the window, pasting big texts, pressing 匹配 and cancelling,
# and reading the process's threads and processor time from /proc.
eval "$(xdotool getwindowgeometry --shell "$window")"
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }  # a point of the window
milliseconds() { echo $(($(date +%s%N) / 1000000)); }
source_box=(150 60)
pattern_box=(150 260)
match_button=(263 407)

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

# Replaces the text of the box at x y with the contents of a file, through
# the clipboard (typing a megabyte would take hours).
paste_into() {
  local x=$1 y=$2 file=$3
  xclip -selection clipboard -i "$file" </dev/null >/dev/null 2>&1 || fail "xclip could not take the clipboard"
  xdotool windowfocus --sync "$window"
  click "$x" "$y"
  xdotool key ctrl+a ctrl+v
}

# Presses 匹配 and waits for the progress box.
press_until_progress_box() {
  click "${match_button[@]}"
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

# Threads of the process, not counting Qt's painting pool, which starts its
# threads when a paint first needs them and keeps them.
threads() { cat /proc/"$pid"/task/*/comm 2>/dev/null | grep -cvx 'Thread (pooled)'; }
resident_megabytes() { awk '/^VmRSS:/ { print int($2 / 1024) }' "/proc/$pid/status"; }
# User and system time the process has used, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

# Percent of one core the process used over the next `seconds` seconds.
cpu_percent_over() {
  local seconds=$1 before after
  before=$(cpu_ticks)
  sleep "$seconds"
  after=$(cpu_ticks)
  echo $(((after - before) * 100 / ($(getconf CLK_TCK) * seconds)))
}
