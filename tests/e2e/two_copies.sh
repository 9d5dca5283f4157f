#!/bin/sh
# A second copy in a folder in use names the holding process and ends with status 1.
# SIGKILL in a run leaves the packet and list of the run before; the folder is free at
# once, and the killed run's side files are gone once the next run starts.
# Usage: two_copies.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

side_files() { ls "$ws" | grep -c '\.tv-new$'; }

prepare_workspace
start_program
first=$(program_pid)

tm new-session -d -s second -x 80 -y 25 -c "$ws" \
  "sh -c '\"$program\" 2> second.err; echo \$? > second.status'" || fail "tmux could not start the second copy"
wait_for test -s "$ws/second.status" || fail "the second copy did not end"
[ "$(cat "$ws/second.status")" = 1 ] || fail "the second copy ended with status $(cat "$ws/second.status")"
grep -q "in use by another copy of tallyvane (process $first)" "$ws/second.err" || fail "second copy: $(cat "$ws/second.err")"
expect "Press Return to Choose a Quiz Style" "the first copy, untouched by the second"

# A whole run of Practice, kept aside; then the next run killed on the approval menu.
to_approval_menu Practice
keys Enter
expect_closing_screen
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu after the run"
cp "$ws/RomIntro.qui" "$top/packet" && cp "$ws/RomIntro.inf" "$top/list" || fail "the run wrote no packet and list"
to_approval_menu Practice
[ "$(side_files)" -gt 0 ] || fail "the run writes its packet beside the old one until it ends"
kill -KILL "$(program_pid)"
patience=100 wait_for has_status || fail "the program did not end on SIGKILL"
same_file "$ws/RomIntro.qui" "$top/packet" "the packet of the run before a killed run"
same_file "$ws/RomIntro.inf" "$top/list" "the list of the run before a killed run"

start_program
to_approval_menu Practice
keys Escape
expect "Press Return to Choose a Quiz Style" "the style menu after Esc on the approval menu"
[ "$(side_files)" = 0 ] || fail "side files left: $(ls "$ws" | grep '\.tv-new$')"
echo "PASS: a second copy refused naming process $first; a killed run left the packet and list of the run before; its side files were cleaned up"
exit 0
