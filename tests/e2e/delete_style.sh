#!/bin/sh
# Deleting a style from the menu and leaving the program, started from a shell in
# the terminal as a user starts it. Shift-D on "League" takes it off the menu and
# out of Specs.lst while League.spe stays; Shift-D on "Enter New Specs" or on
# "Exit", and a lower-case d on a style, change nothing. "Exit" ends the program
# with status 0; the shell is on the screen again, takes and echoes a typed
# command, and the terminal settings are those found before the program.
# Usage: delete_style.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

# menu_is ENTRIES: the menu rows, trimmed, joined by "/".
menu_is() { [ "$(screen | sed -n '6,23p' | sed 's/^ *//; s/ *$//' | grep -v '^$' | tr '\n' /)" = "$1" ]; }
expect_menu() { wait_for menu_is "$1" || fail "expected the menu $1"; }
expect_highlight() { wait_for highlighted "$1" || fail "expected \"$1\" highlighted on the menu${2:+ ($2)}"; }

prepare_workspace
write_launcher
new_session 80 25 "sh -i"
type_text "sh $top/launch.sh"
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu, started from the shell"
expect_menu "Practice/League/JamesCup/Season/Enter New Specs/Exit/"

keys Down
expect_highlight League
keys D
expect_menu "Practice/JamesCup/Season/Enter New Specs/Exit/"
expect_highlight Practice "the menu read again after a deletion"
printf '%s\n' Practice JamesCup Season "Enter New Specs" > "$top/Specs.lst"
same_file "$ws/Specs.lst" "$top/Specs.lst" "Specs.lst after deleting League"
same_file "$ws/League.spe" "$source_dir/data/League.spe" "the style file League.spe did not stay as it was"

# Shift-D on "Enter New Specs" and on "Exit" does nothing: the highlight moves on
# from where it was (a deletion would start again from the first entry).
keys Down Down Down
expect_highlight "Enter New Specs"
keys D Down
expect_highlight Exit "Shift-D on \"Enter New Specs\" changed the menu"
keys D Down
expect_highlight Practice "Shift-D on \"Exit\" changed the menu"
keys d Down
expect_highlight JamesCup "a lower-case d deleted a style"
expect_menu "Practice/JamesCup/Season/Enter New Specs/Exit/"
same_file "$ws/Specs.lst" "$top/Specs.lst" "Specs.lst after D on \"Enter New Specs\" and \"Exit\" and d on a style"

keys Up Up
expect_highlight Exit
keys Enter
ended_with 0
[ "$(cat "$ws/temp2.txt")" = Exit ] || fail "the hand-off file does not hold \"Exit\""
screen | grep -q "launch.sh" || fail "the shell's screen with the command line is not shown again"

# The shell takes a typed line again, echoed, and the terminal is in its usual modes.
type_text "stty -a > stty.txt; echo back-in-the-shell"
keys Enter
wait_for test -s "$ws/stty.txt" || fail "the shell did not run a typed command after the program"
wait_for eval '[ "$(screen | grep -c back-in-the-shell)" = 2 ]' ||
  fail "the typed command and its output are not both on the screen"
for mode in icanon echo isig icrnl opost; do
  tr ' ;' '\n\n' < "$ws/stty.txt" | grep -qx -- "$mode" ||
    fail "the terminal is left without $mode: $(cat "$ws/stty.txt")"
done
echo "PASS: League deleted from the menu and Specs.lst, League.spe kept; D and d elsewhere did nothing; Exit with status 0 back to a working shell"
exit 0
