# A second copy in the folder is refused naming the first. A closed terminal (129) and
# Ctrl-C (130; SIGTERM and SIGQUIT take its way) end the program with the terminal and the
# style files as they were; a write past ulimit -f is told; Ctrl-Z and fg work. Two stop
# signals at once end it at the second, the terminal given back by its handler; Esc waits
# for a delay set in ESCDELAY.
. "$(dirname "$0")/common.sh"

suspended() { ps -o stat= -p "$(program_pid)" | grep -q '^T'; }
title_lit() { coloured_screen | grep -q 42mQuiz.Configuration; }
untouched() { for f in Specs.lst Practice.spe; do cmp -s "$ws/$f" "$source_dir/data/$f" || fail "$f changed by $1"; done; }

prepare_workspace

start_program
first=$(program_pid)
tm new-session -d -s second -x 80 -y 25 -c "$ws" \
  "sh -c '\"$program\" 2> second.err; echo \$? > second.status'" || fail "tmux could not start the second copy"
wait_for test -s "$ws/second.status" || fail "the second copy did not end"
[ "$(cat "$ws/second.status")" = 1 ] || fail "the second copy ended with status $(cat "$ws/second.status")"
grep -q "in use by another copy of tallyvane (process $first)" "$ws/second.err" || fail "second copy: $(cat "$ws/second.err")"
# Closing the terminal hangs it up (the kernel sends SIGHUP only to its shell): 129.
choose_style Practice
accept_form
expect "Press Enter to accept all patterns" "the pattern review"
keys Enter
expect "Sc From    To" "the sector table"
keys Enter
expect "Run specialty combinations automatically" "the approval menu"
tm kill-pane -t "$session"
patience=100 wait_for has_status || fail "the program did not end when its terminal was closed"
[ "$(cat "$ws/status")" = 129 ] || fail "closing the terminal ended the program with status $(cat "$ws/status"), not 129"
untouched "closing the terminal"
[ ! -e "$ws/RomIntro.qui" ] || fail "the run ended on the approval menu left a packet file"

# A file size limit (ulimit -f, in blocks of 512 bytes) makes a write fail: told with
# the file's name, and the program goes on.
file_limit=8
start_program
unset file_limit
choose_style Practice
accept_form
expect "Press Enter to accept all patterns" "the pattern review"
keys Enter
expect 'cannot write "count.00A": File too large' "the write past the size limit"
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu after the failed write"
# Then Ctrl-C on the form.
choose_style Practice
keys 3
expect "Begin:    R  Chapter:  3" "the begin chapter typed on the form"
keys C-c
ended_with 130
untouched Ctrl-C
escdelay=2500
start_program
unset escdelay
choose_style Practice
keys Escape
sleep 1
! title_lit || fail "Esc was taken before the delay set in ESCDELAY"
wait_for title_lit || fail "Esc was not taken after the delay set in ESCDELAY"
# Stopped while SIGTERM and SIGINT arrive: both handlers run before the program goes on.
kill -STOP "$(program_pid)"; kill -TERM "$(program_pid)"; kill -INT "$(program_pid)"; kill -CONT "$(program_pid)"
patience=100 wait_for has_status || fail "two stop signals at once did not end the program"
grep -qx '130\|143' "$ws/status" || fail "two stop signals at once ended the program with status $(cat "$ws/status")"
ended_with "$(cat "$ws/status")"
# Ctrl-Z from a shell with job control: the shell is back with the terminal in its
# usual modes; fg brings the menu back as it was left.
write_launcher
new_session 80 25 "sh -i"
type_line "sh $top/launch.sh"
expect "Press Return to Choose a Quiz Style" "the style menu, started from the shell"
keys Down
wait_highlighted League "Down did not highlight League"
keys C-z
wait_for suspended || fail "Ctrl-Z did not suspend the program"
wait_for eval '! shows "Press Return to Choose"' || fail "the program's screen is still shown while it is suspended"
type_line "stty -a > stty.txt"
wait_for test -s "$ws/stty.txt" || fail "the shell did not take a command while the program was suspended"
for mode in icanon echo isig icrnl opost; do
  tr ' ;' '\n\n' < "$ws/stty.txt" | grep -qx -- "$mode" ||
    fail "while the program is suspended the terminal is without $mode: $(cat "$ws/stty.txt")"
done
type_line fg
wait_highlighted League "the menu did not come back as it was left after fg"
keys Up Up Enter
ended_with 0
echo "PASS: a second copy refused naming process $first; a closed terminal on the approval menu (129), Ctrl-C on the form (130), two signals at once: each time the terminal was restored; Esc waited for ESCDELAY; a write past ulimit -f told; Ctrl-Z and fg gave the shell and the menu back"
exit 0
