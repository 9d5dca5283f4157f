# Printing through an `lp` that closes its input unread and fails with a reason, as a
# spooler without a default printer does; Season's packet is far larger than a pipe
# holds. The screen says why, both copies go to Season.prn, and the program goes on.
# Nothing is read from PATH but lp: empty verse indexes there are passed over.
. "$(dirname "$0")/common.sh"

mkdir -p "$top/bin"
for tool in sh stty timeout; do
  ln -s "$(command -v $tool)" "$top/bin/$tool" || fail "no $tool for the test's PATH"
done
cat > "$top/bin/lp" <<LP
#!/bin/sh
exec 0<&-
echo started >> "$top/lp-runs"
echo "lp: Error - no default destination" >&2
exit 1
LP
chmod +x "$top/bin/lp"
# A verse index in a folder of PATH is not the workspace's: Season (Reindex N) builds its own.
for list in A B C; do : > "$top/bin/count.79$list"; done
program_path="$top/bin"
review_or_table() { shows "accept all patterns" || shows "Sc From    To"; }

prepare_workspace
start_program
choose_style Season
accept_form
pages=0
while ! shows "Sc From    To"; do
  [ $pages -lt 6 ] || fail "the pattern review did not end after $pages pages"
  patience=200 wait_for review_or_table || fail "neither the pattern review nor the sector table"
  shows "Sc From    To" && break
  before=$(coloured_screen)
  keys Enter
  wait_for screen_changed || fail "Enter did not turn the page of the pattern review"
  pages=$((pages + 1))
done
keys Enter
# Season's material is short for 100 quizzes: no resectoring.
expect "Do you wish to resector?" "the warning of early repeats"
type_line n
expect "Run specialty combinations automatically" "the approval menu"
keys Enter
# After the quizzes the program may first say "Quizzes Complete".
patience=200 wait_for eval 'shows "Thank you for using" || shows "Quizzes Complete"' || fail "no closing screen after the quizzes"
shows "Quizzes Complete -- Press Return to Continue" && keys Enter
expect "Type P and press Return to print copies"
type_line P
expect "How many copies?"
type_line 2
expect "Be sure printer is ready and press return"
keys Enter
patience=200 wait_for shows "The printer command failed" || fail "no word that the printer command failed"
expect "lp ended with status 1 (lp: Error - no default destination)" "the reason lp gave"
expect "2 copies were added to the file Season.prn instead"
[ "$(wc -l < "$top/lp-runs")" = 2 ] || fail "lp was not tried once for each copy"
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu after the failed printing"

qui="$ws/Season.qui"
[ "$(wc -c < "$qui")" -gt 200000 ] || fail "the packet is too small to fill the pipe to lp"
{ cut -c 1-79 "$qui"; cut -c 1-79 "$qui"; } > "$top/expected.prn"
cmp -s "$ws/Season.prn" "$top/expected.prn" ||
  { diff "$top/expected.prn" "$ws/Season.prn" | head -40; fail "Season.prn does not hold the two copies"; }

keys Up Enter
ended_with 0
echo "PASS: an lp that failed unread: the screen said why, both copies went to Season.prn, the program went on and ended with status 0"
exit 0
