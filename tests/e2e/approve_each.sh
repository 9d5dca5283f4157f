#!/bin/sh
# Specialty combinations approved quiz by quiz: the shipped style "Practice" (10
# quizzes) run with "Approve specialty combinations for each quiz". The first
# combination of quiz 1 is rejected with n (after a key the prompt ignores), the
# new one is accepted with y and must be the one the list file holds for quiz 1;
# quizzes 2-9 are accepted with y, quiz 10 with a capital Y, which asks for copies
# after the closing screen: 0 copies print nothing. A second run by hand is
# stopped with Esc at the first prompt: back to the menu with an empty packet.
# Usage: approve_each.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

prompt="Do you wish to accept this combination (y/n)?"
# The combination on the screen: its lines between the column titles and the prompt.
combination() { screen | sed -n '/Que Sec Num/,/Do you wish/p' | grep '^ *[0-9]*\. ' | sed 's/ *$//'; }
combination_changed() { [ "$(combination)" != "$first" ] && shows "$prompt"; }

prepare_workspace
start_program
to_approval_menu Practice
keys Down
wait_for highlighted "Approve specialty combinations for each quiz" || fail "Down did not highlight the approval line"
keys Enter

expect "$prompt" "the combination of quiz 1"
expect "Que Sec Num    Verse  Type  Question"
first=$(combination)
[ -n "$first" ] || fail "the approval screen shows no specialty question"
echo "$first" | grep -qv '  \(F\|Q\|CV\|CO\)' && fail "the approval screen shows a line that is no specialty question"
# x is ignored; n rejects: the combination is drawn again (it may, rarely, come out
# the same, so a screen that stays the same for 2 seconds is taken as such a draw).
keys x n
patience=20 wait_for combination_changed || echo "note: the new combination of quiz 1 is the rejected one again"
expect "$prompt" "the combination of quiz 1 drawn again"
second=$(combination)
keys y

# Quizzes 2-9 with y, quiz 10 with a capital Y: each prompt takes one key.
keys y y y y y y y y Y
expect_closing_screen
expect "saved as RomIntro.inf"

# The list file holds the accepted combination for quiz 1: its specialty lines are
# the lines shown when y was pressed.
listed=$(awk '/Que Sec Num.* Quiz 1$/ { on = 1; next } /Que Sec Num/ { on = 0 }
  on && /^ *[0-9]+\. / && substr($0, 25, 4) != "    " { sub(/ *$/, ""); print }' "$ws/RomIntro.inf")
if [ "$listed" != "$second" ]; then
  printf 'accepted on the screen:\n%s\nin RomIntro.inf:\n%s\nrejected:\n%s\n' "$second" "$listed" "$first"
  fail "RomIntro.inf does not hold the combination accepted for quiz 1"
fi
lists=$(grep -c "Que Sec Num .* Quiz [0-9]*$" "$ws/RomIntro.inf")
[ "$lists" = 10 ] || fail "the list file holds $lists quizzes, not 10"
numbers=$(grep -o "Quiz Number *[0-9]*" "$ws/RomIntro.qui" | awk '{printf "%s ", $3}')
[ "$numbers" = "1 2 3 4 5 6 7 8 9 10 " ] || fail "the packet holds the quizzes \"$numbers\", not 1 to 10"

# The capital Y on the last quiz asks for copies once the closing screen is passed.
keys Enter
expect "How many copies?" "the copy prompt after a capital Y on the last quiz"
type_text 0
keys Enter
expect "Be sure printer is ready and press return"
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu after 0 copies"
[ -e "$ws/RomIntro.prn" ] && fail "0 copies wrote the copy file RomIntro.prn"

# Esc at an approval prompt stops the run: back to the menu, no quiz written, the
# packet of the run before kept.
cp "$ws/RomIntro.qui" "$top/packet"
choose_style Practice
accept_form
expect "Press Enter to accept all patterns" "the pattern review"
keys Enter
expect "Sc From    To" "the sector table"
keys Enter Down Enter
expect "$prompt" "the combination of quiz 1 in the second run"
keys Escape
expect "Press Return to Choose a Quiz Style" "the style menu after Esc at the approval prompt"
same_file "$ws/RomIntro.qui" "$top/packet" "the packet after Esc at the first approval prompt of the next run"
keys Up Enter
ended_with 0
echo "PASS: quiz 1's combination rejected with n and the next accepted with y is the one listed; 10 quizzes approved; a capital Y on the last asked for copies, 0 printed nothing; Esc at a prompt stopped the next run"
exit 0
