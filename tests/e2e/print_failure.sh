# Printing through an `lp` that takes the first copy and then, as a spooler that lost
# its printer, closes its input unread and fails with a reason; Season's PDF is far
# larger than a pipe holds. The first copy is the PDF byte for byte, the screen says
# why the second failed and names the PDF, no third is sent, and the program goes on.
# Nothing is read from PATH but lp: empty verse indexes there are passed over.
. "$(dirname "$0")/common.sh"

mkdir -p "$top/bin"
for tool in sh stty timeout cat; do
  ln -s "$(command -v $tool)" "$top/bin/$tool" || fail "no $tool for the test's PATH"
done
cat > "$top/bin/lp" <<LP
#!/bin/sh
if [ ! -e "$top/lp-runs" ]; then
  echo started > "$top/lp-runs"
  exec cat > "$top/printed"
fi
exec 0<&-
echo started >> "$top/lp-runs"
echo "lp: Error - no default destination has been set; run lpoptions -d PRINTER first" >&2
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
type_line 3
expect "Be sure printer is ready and press return"
keys Enter
patience=200 wait_for shows "The printer command failed" || fail "no word that the printer command failed"
expect "lp ended with status 1 (lp: Error - no default destination has been set; run" "the reason lp gave, cut to 76 characters"
expect "1 of 3 copies were printed."
expect "Open Season.pdf in a PDF viewer to print it."
runs=0
while read -r _; do runs=$((runs + 1)); done < "$top/lp-runs"
[ $runs = 2 ] || fail "lp was run $runs times, not once for the copy it took and once for the one it refused"
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu after the failed printing"

[ "$(wc -c < "$ws/Season.pdf")" -gt 200000 ] || fail "the PDF is too small to fill the pipe to lp"
cmp -s "$ws/Season.pdf" "$top/printed" || fail "the copy lp took is not Season.pdf"
[ ! -e "$ws/Season.prn" ] || fail "a copy file was written"

keys Up Enter
ended_with 0
echo "PASS: lp took the PDF, then failed unread: the screen said why and named the PDF, the program went on and ended with status 0"
exit 0
