#!/bin/sh
# Starts the program in a fresh workspace under tmux at 80x25, waits for the banner
# and the style menu, moves the highlight down to "Exit", presses Enter and checks
# that the program ended with status 0 and gave the terminal back as it found it.
# Usage: exit_from_menu.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

prepare_workspace
if [ ! -f "$ws/Specs.lst" ]; then
  printf 'Enter New Specs\n' > "$ws/Specs.lst"
  printf '%s\n' N "1 1" "21 20" Packet 60 P 20 A 20 50 Y 20 V 10 4 2 2 1 1 0 1 0 0 0 100 1 20 N \
    AAAAAAAAAAAAAAAAAAAAnnnnnnnnnn > "$ws/New.spe"
fi
start_program
wait_for shows "Enter New Specs" || fail "no \"Enter New Specs\" on the menu"
exit_highlighted && fail "\"Exit\" is highlighted before any key"

move_to_entry Exit

keys Enter
wait_for has_status || fail "the program did not end after Enter on \"Exit\""
status=$(cat "$ws/status")
[ "$status" = 0 ] || fail "exit status $status, not 0"
[ "$(cat "$ws/temp2.txt")" = Exit ] || fail "the hand-off file does not hold \"Exit\""
wait_for test -s "$ws/stty.after" || fail "the terminal settings could not be read after the end"
cmp -s "$ws/stty.before" "$ws/stty.after" || fail "the terminal settings were not restored"
shows "Press Return to Choose" && fail "the program's screen is still shown after the end"
echo "PASS: menu shown, \"Exit\" reached with $moves Down keys, status 0, terminal restored"
exit 0
