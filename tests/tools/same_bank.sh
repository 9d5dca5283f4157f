#!/bin/sh
# The generator, run again on the verse text, gives the committed demo bank byte for byte.
# Usage: same_bank.sh GENERATOR SOURCE_DIR
# Without the verse text the check is skipped, except in CI (CI=true), where it must run.
set -u
verses="$2/../shared/data/web-romans-james.tsv"
if [ ! -f "$verses" ]; then
    [ "${CI:-}" = true ] && { echo "FAIL: no verse text at $verses"; exit 1; }
    echo "SKIPPED: no verse text at $verses"; exit 77
fi
out=$(mktemp -d "${TMPDIR:-/tmp}/tv-bank.XXXXXX")
trap 'rm -rf "$out"' EXIT
trap 'exit 1' INT TERM HUP PIPE
"$1" "$verses" "$out" >/dev/null || { echo "FAIL: the generator failed"; exit 1; }
diff -r "$2/examples/bank" "$out" | head -20
diff -rq "$2/examples/bank" "$out" >/dev/null || { echo "FAIL: the demo bank differs from the generator's"; exit 1; }
