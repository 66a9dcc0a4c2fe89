#!/usr/bin/env bash
# Start-up time to a shown window, under one Xvfb: the installed workbench
# beside a minimal Qt program that shows one empty window, in the same run;
# and beside the same program showing one Chinese caption, which has Qt set
# up its fonts as every window with text must.
# Usage: bench/startup_bench.sh [build-dir] [runs]
set -euo pipefail
build_dir=$(realpath "${1:-build}")
runs=${2:-15}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"; kill $xvfb_pid 2>/dev/null || true' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

display_number=90
while [ -e "/tmp/.X$display_number-lock" ]; do display_number=$((display_number + 1)); done
Xvfb ":$display_number" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 & xvfb_pid=$!
export DISPLAY=:$display_number
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X$display_number" ] && break; sleep 0.05; done

# Milliseconds from exec to the window being mapped, then Esc to close it.
time_to_window() {
  local title=$1 start end pid window
  shift
  start=$(date +%s%N)
  QT_QPA_PLATFORM=xcb "$@" 2>>"$prefix/stderr.log" & pid=$!
  window=""
  for _ in $(seq 4000); do  # poll every 5 ms: xdotool's own --sync waits in 500 ms steps
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.005
  done
  [ -n "$window" ] || { echo "no window from $1" >&2; tail -5 "$prefix/stderr.log" >&2; exit 1; }
  end=$(date +%s%N)
  xdotool windowfocus --sync "$window" key Escape
  wait "$pid"
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# The two programs take turns, so that a change of the machine's load while
# the bench runs weighs on both alike.
for _ in $(seq "$runs"); do
  time_to_window 'Tolvanev1.2' "$prefix/bin/regex-workbench" >>"$prefix/workbench.ms"
  time_to_window 'minimal-window' "$build_dir/packaging/minimal_window" >>"$prefix/minimal.ms"
  time_to_window 'minimal-window' "$build_dir/packaging/minimal_window" caption >>"$prefix/captioned.ms"
done
workbench=$(median <"$prefix/workbench.ms")
minimal=$(median <"$prefix/minimal.ms")
captioned=$(median <"$prefix/captioned.ms")
echo "installed workbench: ${workbench} ms to a shown window (median of $runs)"
echo "minimal Qt window:   ${minimal} ms (median of $runs)"
echo "with one caption:    ${captioned} ms (median of $runs)"
awk -v a="$workbench" -v b="$minimal" -v c="$captioned" \
  'BEGIN {printf "ratio: %.2f (to the window with one caption: %.2f)\n", a / b, a / c}'
