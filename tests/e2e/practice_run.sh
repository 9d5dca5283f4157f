#!/bin/sh
# Runs the shipped style "Practice" in a fresh workspace under tmux at 80x25, every
# specialty combination automatic: the form, the pattern review, the sector table,
# the approval menu and the closing screen each take their key. Checks that the
# packet and the list hold the style's 10 quizzes, that the program comes back to
# the style menu, and that "Exit" then ends it with status 0.
# Usage: practice_run.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

prepare_workspace
start_program
shows "Practice" || fail "no style \"Practice\" on the menu"

keys Enter
wait_for shows "Quiz Configuration -- Press Return Here When Ready" || fail "no form for \"Practice\""
wait_for shows "Name of Quiz Style  : Practice" || fail "the form does not show \"Practice\""
# Esc takes the cursor to the title; a pause, so that Esc and Return stay two keys.
keys Escape
sleep 0.3
keys Enter
wait_for shows "Press Enter to accept all patterns" || fail "no pattern review after the form"
screen | grep -q "^    10\. " || fail "the pattern review does not show 10 quizzes"
keys Enter
wait_for shows "A quiz will contain one question from each sector." || fail "no sector table"
wait_for shows "Sc From    To" || fail "no sector table"
keys Enter
wait_for shows "Run specialty combinations automatically" || fail "no approval menu"
keys Enter
wait_for shows "Thank you for using Tallyvane 30.0" || fail "no closing screen after the quizzes"
shows "saved as RomIntro.inf" || fail "the closing screen does not name RomIntro.inf"

qui="$ws/RomIntro.qui"
inf="$ws/RomIntro.inf"
[ -s "$qui" ] || fail "no packet file RomIntro.qui"
[ -s "$inf" ] || fail "no list file RomIntro.inf"
numbers=$(grep -o "Quiz Number *[0-9]*" "$qui" | awk '{printf "%s ", $3}')
[ "$numbers" = "1 2 3 4 5 6 7 8 9 10 " ] || fail "the packet holds the quizzes \"$numbers\", not 1 to 10"
lists=$(grep -c "Que Sec Num .* Quiz [0-9]*$" "$inf")
[ "$lists" = 10 ] || fail "the list file holds $lists quizzes, not 10"

keys Enter
wait_for shows "Press Return to Choose a Quiz Style" || fail "no style menu after the closing screen"
shows "Thank you" && fail "the closing screen is still shown"
# Up from the first style wraps to "Exit".
keys Up
wait_for exit_highlighted || fail "Up from the first style did not highlight \"Exit\""
keys Enter
wait_for has_status || fail "the program did not end after \"Exit\""
status=$(cat "$ws/status")
[ "$status" = 0 ] || fail "exit status $status, not 0"
[ "$(cat "$ws/temp2.txt")" = Exit ] || fail "the hand-off file does not hold \"Exit\""
echo "PASS: \"Practice\" gave 10 quizzes in RomIntro.qui and RomIntro.inf, back to the menu, Exit with status 0"
exit 0
