#!/bin/sh
# Times samefold-scan on a generated tree and reports its peak memory; with
# --compare also fdupes, jdupes and rdfind on the same tree (installed from
# Debian's packages when missing). The page cache is warmed first, so every
# program meets the same cached tree.
#
# usage: bench/scan/run.sh [--compare] [FILES [FOLDER]]
set -eu
cd "$(dirname "$0")/../.."
compare=no
if [ "${1:-}" = "--compare" ]; then compare=yes; shift; fi
files=${1:-100000}
tree=${2:-/var/tmp/samefold-bench-$files}

./scripts/setup.sh >/dev/null
if [ ! -d "$tree" ]; then
    echo "Writing $files files to $tree"
    ./build/bench/scan/make_tree "$tree" "$files" 10 1
fi
find "$tree" -type f -exec cat {} + > /dev/null

measure() {
    name=$1; shift
    /usr/bin/time -f "$name: %e s, peak %M KiB" "$@" > /dev/null
}

measure samefold-scan ./build/cli/samefold-scan "$tree"
if [ $compare = yes ]; then
    for tool in fdupes jdupes rdfind; do
        command -v $tool >/dev/null 2>&1 || apt-get install -y -qq $tool >/dev/null
    done
    measure fdupes fdupes -r -q "$tree"
    measure jdupes jdupes -r -q "$tree"
    measure rdfind rdfind -dryrun true -outputname /dev/null "$tree"
fi
