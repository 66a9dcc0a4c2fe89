#!/usr/bin/env bash
# Builds the workbench and starts it on the display of this session.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MESSAGE
No display: the workbench is a desktop program and needs one to show its window.
Start this script from a desktop session, or log in over SSH with X forwarding
(ssh -X host) and start it there. For a check without a screen, build it with
./scripts/build.sh and run: xvfb-run -a $build_dir/app/regex-workbench
MESSAGE
  exit 1
fi
./scripts/build.sh -DWORKBENCH_TESTS=OFF -DWORKBENCH_BENCHMARKS=OFF
exec "$build_dir/app/regex-workbench"
