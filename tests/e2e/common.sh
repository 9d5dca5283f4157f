# Shared by the end-to-end scripts: a fresh workspace, the program started in it
# under tmux, and small helpers to send keys and read the screen back.
# Usage, from a script run as SCRIPT PROGRAM SOURCE_DIR: . common.sh, then
# prepare_workspace and start_program.
#
# Nothing outlives a script: the program runs under a time limit of its own
# ($TV_E2E_LIMIT seconds), the traps end the tmux server on every way out a script
# can see, and a watch inside the tmux server ends the server and removes the files
# as soon as the script is gone, even when it was killed outright.
set -u
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
source_dir=$2

if ! command -v tmux >/dev/null 2>&1; then
  echo "SKIPPED: tmux is not installed, so the program cannot be tried in a real terminal"
  exit 77
fi

top=$(mktemp -d "${TMPDIR:-/tmp}/tv-e2e.XXXXXX")
ws="$top/work"
socket="tv-e2e-$$"
unset TMUX
tm() { tmux -L "$socket" -f /dev/null "$@"; }
cleanup() {
  tm kill-server >/dev/null 2>&1
  rm -rf "$top"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP PIPE

screen() { tm capture-pane -p -t "$session" 2>/dev/null; }
coloured_screen() { tm capture-pane -e -p -t "$session" 2>/dev/null; }
fail() {
  echo "FAIL: $*"
  echo "---- screen ----"
  screen
  echo "----------------"
  [ -s "$ws/stderr.txt" ] && { echo "---- program's error output ----"; cat "$ws/stderr.txt"; }
  exit 1
}
# wait_for COMMAND...: runs the command every 0.05 s until it succeeds, 5 s at most
# (or $patience tenths of a second).
wait_for() {
  i=0
  limit=$(( ${patience:-50} * 2 ))
  while [ $i -lt $limit ]; do
    "$@" && return 0
    sleep 0.05
    i=$((i + 1))
  done
  return 1
}
shows() { screen | grep -qF -- "$1"; }
has_status() { [ -s "$ws/status" ]; }
keys() { tm send-keys -t "$session" "$@"; }
type_text() { tm send-keys -t "$session" -l "$1"; }
expect() {
  wait_for shows "$1" || fail "expected \"$1\" on the screen${2:+ ($2)}"
}
# A menu entry drawn white on red, the program's highlight.
highlighted() { coloured_screen | grep -q "41m$1"; }
title_highlighted() { coloured_screen | grep -q '42mQuiz Configuration'; }

prepare_workspace() {
  "$program" --init "$ws" --demo >/dev/null || fail "the workspace could not be prepared"
}

# The launcher started in the tmux pane: it notes the terminal settings before and
# after the program, its process id ("pid", the program execs in place of the inner
# shell) and its exit status ("status"). Like an interactive shell, it outlives a
# Ctrl-C typed to the program.
write_launcher() {
  cat > "$top/launch.sh" <<EOF
${program_path:+PATH='$program_path'; export PATH}
trap : INT QUIT
stty -g > stty.before
timeout --foreground -k 5 ${TV_E2E_LIMIT:-90} sh -c 'echo \$\$ > pid; exec "\$0"' "$program" 2> stderr.txt
echo \$? > status
stty -g > stty.after
EOF
}
# new_session COLUMNS ROWS COMMAND: a fresh tmux session for each start of the
# program; the one before is closed once the new one holds the server. The first
# call starts the server with the watch on this script.
runs=0
session=tv0
new_session() {
  if [ $runs = 0 ]; then
    tm new-session -d -s watch \
      "while kill -0 $$ 2>/dev/null; do sleep 1; done; rm -rf '$top'; tmux -L $socket kill-server" ||
      fail "tmux could not start"
  fi
  old=$session
  runs=$((runs + 1))
  session=tv$runs
  tm new-session -d -s "$session" -x "$1" -y "$2" -c "$ws" "$3" \; \
    set-option -g remain-on-exit on || fail "tmux could not start"
  tm kill-session -t "$old" >/dev/null 2>&1
  return 0
}
# open_program [COLUMNS ROWS]: the program started in a fresh pane of that size.
open_program() {
  write_launcher
  rm -f "$ws/status" "$ws/pid" "$ws/stty.before" "$ws/stty.after"
  new_session "${1:-80}" "${2:-25}" "sh $top/launch.sh"
  wait_for test -s "$ws/pid" || fail "the program was not started"
}
start_program() {
  open_program 80 25
  expect "Press Return to Choose a Quiz Style" "the style menu"
}
program_pid() { cat "$ws/pid"; }

# ended_with STATUS: the program ended with this exit status and gave the terminal
# back with the settings it found.
ended_with() {
  patience=100 wait_for has_status || fail "the program did not end (expected exit status $1)"
  status=$(cat "$ws/status")
  [ "$status" = "$1" ] || fail "exit status $status, not $1"
  wait_for test -s "$ws/stty.after" || fail "the terminal settings could not be read after the end"
  cmp -s "$ws/stty.before" "$ws/stty.after" ||
    fail "the terminal settings were not restored: before $(cat "$ws/stty.before"), after $(cat "$ws/stty.after")"
  if shows "Tallyvane 30.0" || shows "Quiz packets for"; then
    fail "the program's screen is still shown after the end"
  fi
}

# Esc takes the cursor to the title through the checks; Return there saves the style.
accept_form() {
  keys Escape
  wait_for title_highlighted || fail "Esc did not highlight the title of the form"
  keys Enter
}
# choose_style NAME: moves the menu highlight down to NAME and opens its form.
choose_style() {
  move_to_entry "$1"
  keys Enter
  expect "Quiz Configuration -- Press Return Here When Ready" "the form of \"$1\""
}
# Waits for the end of the run's assembly and passes the closing screen's pause.
# After the quizzes the program may first say "Quizzes Complete".
expect_closing_screen() {
  patience=200 wait_for closing_or_complete || fail "no closing screen after the quizzes"
  if shows "Quizzes Complete -- Press Return to Continue"; then
    keys Enter
    expect "Thank you for using Tallyvane 30.0" "the closing screen"
  fi
}
# move_to_entry NAME: moves the menu highlight down until NAME is highlighted.
move_to_entry() {
  moves=0
  until highlighted "$1"; do
    [ $moves -lt 18 ] || fail "\"$1\" was never highlighted on the style menu"
    before=$(coloured_screen)
    keys Down
    wait_for screen_changed || fail "Down did not move the menu highlight"
    moves=$((moves + 1))
  done
}
# same_file ACTUAL EXPECTED WHAT: the files are equal, or the difference is shown.
same_file() {
  cmp -s "$1" "$2" && return 0
  echo "---- difference, expected (<) and written (>) ----"
  diff "$2" "$1" | head -40
  fail "$3"
}
screen_changed() { [ "$(coloured_screen)" != "$before" ]; }
# to_approval_menu NAME: runs the style NAME as it stands up to the approval menu.
to_approval_menu() {
  choose_style "$1"
  accept_form
  form_to_approval_menu
}
# form_to_approval_menu: from an accepted form to the approval menu (one page of
# patterns, a key on the sector table).
form_to_approval_menu() {
  expect "Press Enter to accept all patterns" "the pattern review"
  keys Enter
  expect "Sc From    To" "the sector table"
  keys Enter
  expect "Run specialty combinations automatically" "the approval menu"
}
closing_or_complete() { shows "Thank you for using Tallyvane 30.0" || shows "Quizzes Complete"; }
