#!/usr/bin/env bash
# Presses 匹配 in the real program under a capped address space, cap after
# cap, and says how each run ended: the complete report, or the runtime's
# out-of-memory report (status 255). Anything else (an abort, a hang, a list
# shorter than the source holds) is a fault, and the script ends with status 1.
#
# Usage, inside an X server:
#   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bench/memory_sweep.sh \
#     build/app/regex-workbench build/tests/smoke/plugins [FIRST_MB LAST_MB STEP_MB]
# (default 150 to 1500 in steps of 50). The plugin folder holds the test
# build's message-box probe, which tells the boxes the program shows.
set -u
program=$1 plugins=$2 first=${3:-150} last=${4:-1500} step=${5:-50}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/smoke/x_session.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The two searches: `.` on 10 MB of x's, `[0-9]+` on 10 MB of words and numbers.
head -c $((10 << 20)) /dev/zero | tr '\0' x >"$work/x.txt"
awk 'BEGIN { while (n < 10485760) { line = "word " i * 7 " and " i % 977 " more"; print line; n += length(line) + 1; i++ } }' \
  | head -c $((10 << 20)) >"$work/digits.txt"
searches=(". x.txt $((10 << 20))" "[0-9]+ digits.txt $(grep -oE '[0-9]+' "$work/digits.txt" | wc -l)")

# Waits up to `seconds` for the program to end, or for a message box: prints
# "ended STATUS", "box TEXT", or "running".
wait_for_end_or_box() {
  local seconds=$1 shown
  for _ in $(seq $((seconds * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      sleep 0.1  # the wrapper writes the status as it ends
      echo "ended $(cat "$work/status")"
      return
    fi
    shown=$(grep -c '^message box text: ' "$work/log")
    if [ "$shown" -gt "$(cat "$work/boxes")" ]; then
      echo "$shown" >"$work/boxes"
      echo "box $(sed -n 's/^message box text: //p' "$work/log" | sed -n "${shown}p")"
      return
    fi
    sleep 0.1
  done
  echo running
}

# Where each thread of a program that hangs stands, into the work folder's
# parent as memory_sweep_stacks.txt (with gdb installed).
dump_stacks() {
  command -v gdb >/dev/null || return 0
  gdb -p "$(pgrep -P "$pid" | head -n1)" -batch -ex "thread apply all bt 30" >"$work/../memory_sweep_stacks.txt" 2>&1
  echo "  (stacks in $(dirname "$work")/memory_sweep_stacks.txt)"
}

# Ends the program and the wrapper that started it.
end_program() {
  pkill -P "$pid" 2>/dev/null
  stop_program
}

# Presses Return on the message box the program shows.
answer_box() {
  local box
  box=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$window" | head -n1)
  [ -n "$box" ] && xdotool windowfocus --sync "$box"
  xdotool key Return
}

# The result box's text, through the clipboard.
result_text() {
  xdotool windowfocus --sync "$window"
  xdotool mousemove $((X + 150)) $((Y + 350)) click 1 key ctrl+a ctrl+c
  sleep 1
  timeout 60 xclip -selection clipboard -o 2>/dev/null
}

# One press under a cap of `megabytes`; prints how it ended, returns 1 on a fault.
press_under_cap() {
  local megabytes=$1 pattern=$2 file=$3 expected=$4 outcome found
  : >"$work/log"
  echo 0 >"$work/boxes"
  # Through a wrapper that writes the exit status: this runs in a subshell,
  # which cannot wait for the program.
  echo none >"$work/status"
  start_program sh -c 'log=$1 status=$2; shift 2; "$@" >/dev/null 2>>"$log"; echo $? >"$status"' \
    sh "$work/log" "$work/status" prlimit --as=$((megabytes << 20)) \
    env QT_PLUGIN_PATH="$plugins" QT_STYLE_OVERRIDE=MessageBoxProbe "$program"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  printf '%s' "$pattern" >"$work/pattern"
  for box in "260 $work/pattern" "60 $work/$file"; do
    xclip -selection clipboard -i "${box#* }" </dev/null >/dev/null 2>&1
    sleep 0.5  # until xclip owns the clipboard
    xdotool windowfocus --sync "$window"
    xdotool mousemove $((X + 150)) $((Y + ${box%% *})) click 1 key ctrl+a ctrl+v
  done
  sleep 2
  xdotool mousemove $((X + 263)) $((Y + 407)) click 1
  while :; do
    outcome=$(wait_for_end_or_box 120)
    case $outcome in
      "box 运行时出错!"*)
        answer_box
        outcome=$(wait_for_end_or_box 10)
        [ "$outcome" = "ended 255" ] || { echo "FAULT: after the error report: $outcome"; dump_stacks; return 1; }
        echo "out-of-memory report, status 255: $(sed -n 's/^message box text: .*错误信息：\(.*\)$/\1/p' "$work/log" | head -n1)"
        return 0 ;;
      box*) echo "FAULT: a message box: ${outcome#box }"; end_program; return 1 ;;
      "ended 255")  # the report box found no room: the report is on standard error
        grep -q '字节内存失败!' "$work/log" || { echo "FAULT: status 255 without the report"; return 1; }
        echo "out-of-memory report on standard error, status 255: $(grep -o '分配 [0-9]* 字节内存失败!' "$work/log" | head -n1)"
        return 0 ;;
      ended*) echo "FAULT: the program ended with status ${outcome#ended } ($(grep -v '^message box\|XDG_RUNTIME' "$work/log" | tail -n1 | cut -c1-200))"; return 1 ;;
      running) break ;;
    esac
  done
  found=$(result_text | head -n1 | cut -c1-60)
  outcome=$(wait_for_end_or_box 1)
  if [ "$outcome" != running ]; then  # the copy itself may run out of memory
    [[ $outcome == "box 运行时出错!"* ]] && answer_box && [ "$(wait_for_end_or_box 10)" = "ended 255" ] &&
      { echo "out-of-memory report while copying the report, status 255"; return 0; }
    echo "FAULT: while copying the report: $outcome"
    return 1
  fi
  end_program
  [ "$found" = "共找到 $expected 处匹配：" ] || { echo "FAULT: the report begins \"$found\", expected $expected matches"; return 1; }
  echo "complete report ($expected matches)"
}

faults=0
for search in "${searches[@]}"; do
  read -r pattern file expected <<<"$search"
  for megabytes in $(seq "$first" "$step" "$last"); do
    press_under_cap "$megabytes" "$pattern" "$file" "$expected" >"$work/outcome"
    [ -z "$pid" ] || end_program  # whatever the run left
    echo "$megabytes MB, $pattern: $(cat "$work/outcome")" | tee -a "$work/summary"
  done
done
grep -c FAULT "$work/summary" >/dev/null && faults=1
exit $faults
