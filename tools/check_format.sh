#!/bin/sh
# Names the C++ files whose layout differs from .clang-format, with the number of lines
# a reformat would change in each, and ends with status 1 when there is any.
#   tools/check_format.sh          every .cpp and .h in src tests tools bench fuzz
#   tools/check_format.sh FILE...  only these files
# Needs clang-format (Debian package clang-format); the layout it gives can differ a
# little from one release of it to the next.
set -eu
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null 2>&1 ||
  { echo "check_format.sh: clang-format is not installed (apt-get install clang-format)" >&2; exit 2; }
if [ $# -eq 0 ]; then
  set -- $(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' | sort)
fi
files=0 differ=0 lines=0
for f in "$@"; do
  [ -f "$f" ] || { echo "check_format.sh: no file $f" >&2; exit 2; }
  files=$((files + 1))
  formatted=$(clang-format --style=file "$f" | diff "$f" - | grep -c '^[<>]') || true
  if [ "$formatted" -gt 0 ]; then
    echo "$f: $formatted lines differ"
    differ=$((differ + 1)) lines=$((lines + formatted))
  fi
done
if [ $differ -gt 0 ]; then
  echo "$differ of $files files differ from .clang-format ($lines lines); clang-format -i FILE... reformats them"
  exit 1
fi
echo "all $files files follow .clang-format"
