#!/bin/sh
# Runs every benchmark program of a build folder: sh bench/run.sh <build folder>
set -e
build=${1:?usage: sh bench/run.sh <build folder>}
found=0
for prog in "$build"/bench/*_bench; do
    [ -x "$prog" ] || continue
    found=1
    echo "== $(basename "$prog")"
    "$prog"
done
if [ "$found" = 0 ]; then
    echo "no benchmark programs in $build/bench (build the project first)" >&2
    exit 1
fi
