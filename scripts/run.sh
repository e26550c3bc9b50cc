#!/bin/sh
# Sets up, builds and starts Samefold.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
exec ./build/samefold "$@"
