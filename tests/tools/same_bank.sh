#!/bin/sh
# The generator, run again on the verse text, gives the committed demo bank byte for byte.
# Usage: same_bank.sh GENERATOR SOURCE_DIR
set -u
verses="$2/../shared/data/web-romans-james.tsv"
[ -f "$verses" ] || { echo "SKIPPED: no verse text at $verses"; exit 77; }
out=$(mktemp -d "${TMPDIR:-/tmp}/tv-bank.XXXXXX")
trap 'rm -rf "$out"' EXIT
trap 'exit 1' INT TERM HUP PIPE
"$1" "$verses" "$out" >/dev/null || { echo "FAIL: the generator failed"; exit 1; }
diff -r "$2/examples/bank" "$out" | head -20
diff -rq "$2/examples/bank" "$out" >/dev/null || { echo "FAIL: the demo bank differs from the generator's"; exit 1; }
