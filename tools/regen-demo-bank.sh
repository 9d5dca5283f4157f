#!/bin/sh
# Rebuilds the demo question bank in examples/bank/ from the verse text.
#   tools/regen-demo-bank.sh [VERSES.tsv]
# The verse file defaults to ../shared/data/web-romans-james.tsv beside the repository.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
verses=${1:-"$root/../shared/data/web-romans-james.tsv"}
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
${CXX:-g++} -std=c++20 -O2 -Wall -Wextra -o "$bin/make_demo_bank" "$root/tools/make_demo_bank.cpp"
mkdir -p "$root/examples/bank"
"$bin/make_demo_bank" "$verses" "$root/examples/bank"
