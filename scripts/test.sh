#!/usr/bin/env bash
# Builds everything and runs every test. SANITIZE=1 builds with AddressSanitizer
# and UndefinedBehaviorSanitizer into build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${SANITIZE:-0}" = 1 ]; then
  export BUILD_DIR=${BUILD_DIR:-build-asan}
  ./scripts/build.sh -DWORKBENCH_SANITIZE=ON -DWORKBENCH_TESTS=ON -DWORKBENCH_BENCHMARKS=OFF
else
  # Tests switched on again: run.sh and package.sh build the same folder without them.
  ./scripts/build.sh -DWORKBENCH_TESTS=ON -DWORKBENCH_BENCHMARKS=ON
fi
build_dir=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j "$(nproc)"
