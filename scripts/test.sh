#!/bin/sh
# Sets up, builds and runs every test; windows are drawn off screen.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
