#!/bin/sh
# The shipped style "Practice" run in a real terminal, every combination automatic:
# the packet and the list hold its 10 quizzes, the program comes back to the menu,
# and "Exit" (Up from the first style) ends it with status 0 and the terminal as it was.
# Usage: practice_run.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

prepare_workspace
start_program
to_approval_menu Practice
keys Enter
expect "Thank you for using Tallyvane 30.0" "the closing screen"
numbers=$(grep -o "Quiz Number *[0-9]*" "$ws/RomIntro.qui" | awk '{printf "%s ", $3}')
[ "$numbers" = "1 2 3 4 5 6 7 8 9 10 " ] || fail "the packet holds the quizzes \"$numbers\", not 1 to 10"
[ "$(grep -c "Que Sec Num .* Quiz [0-9]*$" "$ws/RomIntro.inf")" = 10 ] ||
  fail "the list file does not hold 10 quizzes"
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu after the closing screen"
keys Up
wait_for highlighted Exit || fail "Up from the first style did not highlight \"Exit\""
keys Enter
ended_with 0
[ "$(cat "$ws/temp2.txt")" = Exit ] || fail "the hand-off file does not hold \"Exit\""
echo "PASS: Practice gave 10 quizzes, back to the menu, Exit with status 0, terminal restored"
