#!/bin/sh
# Runs every benchmark program of a build folder: sh bench/run.sh <build folder>
# When valgrind is installed, it also counts the instructions of one whole run per
# bank and layout (seed 1): a figure that does not move with the machine's load.
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
if ! command -v valgrind >/dev/null 2>&1; then
    echo "(valgrind is not installed: no instruction counts)"
    exit 0
fi
echo "== instructions of one run (valgrind, seed 1)"
printf '%-6s %-6s %14s\n' bank layout instructions
for bank in demo large; do
    for layout in P C T; do
        count=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null \
                    --toggle-collect='tv::run_style*' "$build/bench/run_bench" "$bank" "$layout" 1 2>&1 \
                | sed -n 's/.*Collected : *\([0-9]*\).*/\1/p')
        printf '%-6s %-6s %14s\n' "$bank" "$layout" "${count:-?}"
    done
done
