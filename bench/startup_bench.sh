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

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & xvfb_pid=$!
export DISPLAY=$display
sleep 1

# Milliseconds from exec to the window being mapped, then Esc to close it.
time_to_window() {
  local binary=$1 title=$2 start end pid window
  start=$(date +%s%N)
  "$binary" & pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)
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
