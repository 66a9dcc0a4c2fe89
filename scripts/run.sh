#!/usr/bin/env bash
# Builds the workbench and starts it. Without a display it starts under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh -DWORKBENCH_TESTS=OFF -DWORKBENCH_BENCHMARKS=OFF
binary=${BUILD_DIR:-build}/app/regex-workbench
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$binary"
fi
exec "$binary"
