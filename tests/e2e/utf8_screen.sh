#!/bin/sh
# Style names beyond ASCII in the style list, in a UTF-8 locale: each character
# takes one column on the menu, so the entries stay lined up and the highlight
# covers the same 15 columns.
# Usage: utf8_screen.sh PROGRAM SOURCE_DIR
LC_ALL=C.UTF-8
export LC_ALL
. "$(dirname "$0")/common.sh"

prepare_workspace
printf 'Caf\303\251 \342\200\234Cup\342\200\235\nPractice\nEnter New Specs\n' > "$ws/Specs.lst"
start_program
expect "Café “Cup”" "the style name with its accent and curly quotes"
first=$(screen | grep -F "Café “Cup”")
second=$(screen | grep -F "Practice")
[ "${first%%Caf*}" = "${second%%Practice*}" ] || fail "the entries do not start in one column"
highlighted "Café “Cup”     " || fail "the highlight does not cover 15 columns of the first entry"
move_to_entry Exit
keys Enter
ended_with 0
