#!/bin/sh
# Prepares a workspace folder: copies the installed files (style list, styles) and
# the demo question bank into it, but only files that are not there yet, so that
# styles and lists the user changed are never overwritten.
set -e
ws=${1:-demo}
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$ws"
for f in "$top"/data/* "$top"/examples/bank/*; do
  [ -f "$f" ] || continue
  name=$(basename "$f")
  [ "$name" = README.md ] && continue
  [ -e "$ws/$name" ] || cp "$f" "$ws/$name"
done
