#!/usr/bin/env bash
# Start-up time to a shown window, under one Xvfb: the installed workbench
# beside a minimal Qt program that shows one empty window, in the same run.
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
  local binary=$1 title=$2 start end pid window
  start=$(date +%s%N)
  QT_QPA_PLATFORM=xcb "$binary" 2>>"$prefix/stderr.log" & pid=$!
  window=""
  for _ in $(seq 4000); do  # poll every 5 ms: xdotool's own --sync waits in 500 ms steps
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.005
  done
  [ -n "$window" ] || { echo "no window from $binary" >&2; tail -5 "$prefix/stderr.log" >&2; exit 1; }
  end=$(date +%s%N)
  xdotool windowfocus --sync "$window" key Escape
  wait "$pid"
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

workbench=$(for _ in $(seq "$runs"); do time_to_window "$prefix/bin/regex-workbench" 'Tolvanev1.2'; done | median)
minimal=$(for _ in $(seq "$runs"); do time_to_window "$build_dir/packaging/minimal_window" 'minimal-window'; done | median)
echo "installed workbench: ${workbench} ms to a shown window (median of $runs)"
echo "minimal Qt window:   ${minimal} ms (median of $runs)"
awk -v a="$workbench" -v b="$minimal" 'BEGIN {printf "ratio: %.2f\n", a / b}'
