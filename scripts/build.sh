#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build/ in the checkout).
#   scripts/build.sh [extra cmake arguments]
# The build always writes compile_commands.json, for the Qt 5.9 check of .ci/run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" >/dev/null
cmake --build "$build" -- -j"$(nproc)"
