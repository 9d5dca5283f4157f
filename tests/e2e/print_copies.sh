#!/bin/sh
# Printed copies on a machine without a printer: the program runs with a PATH that
# holds no `lp`, so copies go to the file "<output name>.prn". The shipped style
# "Practice" is switched to the tab layout on the form (its lines are longer than
# 79 characters) and run; P on the closing screen asks for copies, an answer that
# is not a number asks again, 2 copies are made. The copy file must hold the packet
# twice, each line cut to its first 79 characters.
# Usage: print_copies.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

# A PATH of the two commands the launcher needs, and no `lp`.
mkdir -p "$top/bin"
for tool in sh stty; do
  ln -s "$(command -v $tool)" "$top/bin/$tool" || fail "no $tool for the test's PATH"
done
program_path="$top/bin"
copy_prompts() { [ "$(screen | grep -c 'How many copies?')" = "$1" ]; }

prepare_workspace
start_program
[ "$(cat "$ws/path")" = "$top/bin" ] || fail "the program was not given the PATH $top/bin but $(cat "$ws/path")"
choose_style Practice
keys Down Down Down Down t
expect "Output (p/c/t):  T" "the tab layout chosen on the form"
accept_form
form_to_approval_menu
keys Enter
expect_closing_screen
expect "Type P and press Return to print copies"
type_text P
keys Enter
expect "How many copies?" "the copy prompt after P"
type_text two
keys Enter
wait_for copy_prompts 2 || fail "an answer that is not a number did not ask again for the number of copies"
type_text 2
keys Enter
expect "Be sure printer is ready and press return"
keys Enter
expect "There is no printer here: the copies were added to the file RomIntro.prn"
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu after the copies"

qui="$ws/RomIntro.qui"
prn="$ws/RomIntro.prn"
[ -s "$prn" ] || fail "no copy file RomIntro.prn"
long=$(awk 'length($0) > 79' "$qui" | wc -l)
[ "$long" -gt 0 ] || fail "the packet has no line longer than 79 characters, so the cut is not tried"
{ cut -c 1-79 "$qui"; cut -c 1-79 "$qui"; } > "$top/expected.prn"
same_file "$prn" "$top/expected.prn" "RomIntro.prn does not hold the packet twice with its lines cut at 79 characters"

keys Up Enter
ended_with 0
echo "PASS: no lp on the PATH: P on the closing screen, \"two\" asked again, 2 copies of RomIntro.qui ($long long lines cut at 79) in RomIntro.prn"
exit 0
