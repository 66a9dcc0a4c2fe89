#!/usr/bin/env bash
# Builds the Debian package into build/ and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh -DWORKBENCH_TESTS=OFF -DWORKBENCH_BENCHMARKS=OFF
build_dir=${BUILD_DIR:-build}
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$build_dir"/regex-workbench_*.deb
