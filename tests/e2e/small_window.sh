#!/bin/sh
# A window too small for the program: started at 60x20 the program shows its
# notice, whole, and takes no key; at 70x25 the notice names the new size; at 80x25
# the style menu appears as it was, and the program works. At 80x24 the menu and its
# key line are in sight; at 80x23 the notice is back. "Exit" ends with status 0.
# Usage: small_window.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

need="Tallyvane needs a terminal of at least 80 columns and 24 rows."
# notice_shown: every word of the notice is on the screen (it may be wrapped).
notice_shown() {
  words=$(screen | tr -s ' \n' '  ')
  case "$words" in *"$need"*) return 0 ;; esac
  return 1
}
# Keys taken while the notice is shown change nothing that could be waited for: a
# short pause lets the program read them before the window grows again.
keys_during_notice() { keys "$@"; sleep 0.2; }
resize() { tm resize-window -t "$session" -x "$1" -y "$2" || fail "tmux could not resize the window to $1x$2"; }

prepare_workspace
open_program 60 20
wait_for notice_shown || fail "the notice \"$need\" is not shown whole in a 60x20 window"
expect "60 columns and 20 rows" "the notice names the window's size"
# Keys are not taken while the notice is shown: Down and Return would open League's form.
keys_during_notice Down Enter
resize 70 25
expect "70 columns and 25 rows" "the notice after a resize to 70x25"
resize 80 25
expect "Press Return to Choose a Quiz Style" "the style menu after the resize to 80x25"
shows "columns and" && fail "the notice is still shown at 80x25"
wait_for highlighted Practice || fail "keys pressed during the notice moved the menu highlight"

# The program works: Down moves the highlight.
keys Down
wait_for highlighted League || fail "Down did not highlight League after the resize"
resize 80 24
expect "Shift-D Delete" "the key line in an 80x24 window"
expect "Press Return to Choose a Quiz Style" "the menu in an 80x24 window"
resize 80 23
expect "80 columns and 23 rows" "the notice when the window shrinks to 80x23"
resize 80 25
wait_for highlighted League || fail "the menu did not come back as it was left"
keys Enter
expect "Name of Quiz Style  : League" "League's form"
keys Escape
wait_for title_highlighted || fail "Esc did not highlight the title"
keys Escape
expect "Press Return to Choose a Quiz Style" "the menu after Esc on the title"
keys Up Enter
ended_with 0
echo "PASS: the notice at 60x20, 70x25 and 80x23 took no key; 80x24 showed the menu and its keys; at 80x25 the menu came back as left and the program ran to Exit with status 0"
exit 0
