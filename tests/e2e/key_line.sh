#!/bin/sh
# The key line on the bottom row of a real terminal: the style menu's keys beside
# the organisation line, then the form's keys in the fields and on its title. Esc
# on the title leaves the form unsaved and the menu's keys come back; Exit ends.
# Usage: key_line.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

bottom_row() { screen | sed -n 25p; }
row_shows() { bottom_row | grep -qF -- "$1"; }
expect_keys() {
  wait_for row_shows "$1" || fail "expected \"$1\" on the bottom row${2:+ ($2)}"
}

prepare_workspace
start_program
expect_keys "Up/Down Move  Return Choose  Shift-D Delete   Quiz packets for Romans and James" \
  "the style menu"
choose_style Practice
expect_keys "Arrows/Return Move  Type over a value  Esc To the title" "the form's fields"
keys Escape
wait_for title_highlighted || fail "Esc did not highlight the title of the form"
expect_keys "Return Save and run  Esc Menu, unsaved  Down Back to the fields" "the form's title"
keys Escape
expect "Press Return to Choose a Quiz Style" "the menu after Esc on the title"
expect_keys "Shift-D Delete" "the style menu again"
move_to_entry Exit
keys Enter
ended_with 0
echo "PASS: the keys of the menu and of the form's fields and title on the bottom row"
exit 0
