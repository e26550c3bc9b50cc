#!/bin/sh
# Installs the Debian packages the build and the tests need, when any is
# missing (as root, or through sudo), then configures and builds into build/.
# A second run installs nothing and rebuilds only what changed.
set -eu
cd "$(dirname "$0")/.."

packages="cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev"

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing="$missing $package"
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        as_root=""
    elif command -v sudo >/dev/null 2>&1; then
        as_root="sudo"
    else
        echo "These packages are missing and neither root nor sudo is at hand:$missing" >&2
        exit 1
    fi
    echo "Installing:$missing"
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi

if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build
