# Shared by the end-to-end scripts (each run as: sh SCRIPT PROGRAM SOURCE_DIR): a fresh workspace,
# the program under tmux, helpers to send keys and read the screen. Nothing outlives a
# script: a time limit ($TV_E2E_LIMIT s), traps, and a watch in the tmux server.
set -u
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
source_dir=$2

command -v tmux >/dev/null 2>&1 || { echo "SKIPPED: tmux is not installed, so the program cannot be tried in a real terminal"; exit 77; }

top=$(mktemp -d "${TMPDIR:-/tmp}/tv-e2e.XXXXXX")
ws="$top/work"
socket="tv-e2e-$$"
unset TMUX ESCDELAY
tm() { tmux -L "$socket" -f /dev/null "$@"; }
trap 'tm kill-server >/dev/null 2>&1; rm -rf "$top"' EXIT
trap 'exit 1' INT TERM HUP PIPE

screen() { tm capture-pane -p -t "$session" 2>/dev/null; }
coloured_screen() { tm capture-pane -e -p -t "$session" 2>/dev/null; }
fail() {
  printf 'FAIL: %s\n---- screen ----\n' "$*"; screen; echo "----------------"
  [ -s "$ws/stderr.txt" ] && { echo "---- program's error output ----"; cat "$ws/stderr.txt"; }
  exit 1
}
# wait_for COMMAND...: runs the command every 0.05 s until it succeeds, for $patience
# tenths of a second (5 s unless set).
wait_for() {
  i=0
  while [ $i -lt $(( ${patience:-50} * 2 )) ]; do "$@" && return 0; sleep 0.05; i=$((i + 1)); done
  return 1
}
shows() { screen | grep -qF -- "$1"; }
has_status() { [ -s "$ws/status" ]; }
keys() { tm send-keys -t "$session" "$@"; }
type_line() { tm send-keys -t "$session" -l "$1"; keys Enter; }
expect() { wait_for shows "$1" || fail "expected \"$1\" on the screen${2:+ ($2)}"; }
# wait_highlighted NAME WHY: NAME becomes the highlighted menu entry, or WHY fails.
wait_highlighted() { wait_for highlighted "$1" || fail "$2"; }
# A menu entry drawn white on red, the program's highlight.
highlighted() { coloured_screen | grep -q "41m$1"; }

prepare_workspace() { "$program" --init "$ws" --demo >/dev/null || fail "the workspace could not be prepared"; }

# The launcher started in the tmux pane: it notes the terminal settings before and
# after the program, its process id ("pid", the program execs in place of the inner
# shell) and its exit status ("status"). Like an interactive shell, it outlives a
# Ctrl-C typed to the program.
write_launcher() {
  rm -f "$ws/status" "$ws/pid" "$ws/stty.before" "$ws/stty.after"
  cat > "$top/launch.sh" <<EOF
${program_path:+PATH='$program_path'; export PATH}
${file_limit:+ulimit -f $file_limit}
${escdelay:+ESCDELAY=$escdelay; export ESCDELAY}
trap : INT QUIT HUP
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
  [ $runs != 0 ] || tm new-session -d -s watch \
    "while kill -0 $$ 2>/dev/null; do sleep 1; done; rm -rf '$top'; tmux -L $socket kill-server" ||
    fail "tmux could not start"
  old=$session; runs=$((runs + 1)); session=tv$runs
  tm new-session -d -s "$session" -x "$1" -y "$2" -c "$ws" "$3" \; \
    set-option -g remain-on-exit on || fail "tmux could not start"
  tm kill-session -t "$old" >/dev/null 2>&1
  return 0
}
# open_program [COLUMNS ROWS]: the program started in a fresh pane of that size.
open_program() {
  write_launcher
  new_session "${1:-80}" "${2:-25}" "sh $top/launch.sh"
  wait_for test -s "$ws/pid" || fail "the program was not started"
}
start_program() {
  open_program 80 25
  expect "Press Return to Choose a Quiz Style" "the style menu"
  expect "Quiz packets for Romans and James" "the key note's last letter, in the window's last cell"
}
program_pid() { cat "$ws/pid"; }

# ended_with STATUS: the program ended with this exit status and gave the terminal
# back with the settings it found.
ended_with() {
  patience=100 wait_for has_status || fail "the program did not end (expected exit status $1)"
  [ "$(cat "$ws/status")" = "$1" ] || fail "exit status $(cat "$ws/status"), not $1"
  wait_for test -s "$ws/stty.after" || fail "the terminal settings could not be read after the end"
  cmp -s "$ws/stty.before" "$ws/stty.after" ||
    fail "the terminal settings were not restored: before $(cat "$ws/stty.before"), after $(cat "$ws/stty.after")"
  ! shows "Tallyvane 30.0" && ! shows "Quiz packets for" || fail "the program's screen is still shown after the end"
}

# Esc takes the cursor to the title through the checks; Return there saves the style.
accept_form() {
  keys Escape
  wait_for eval "coloured_screen | grep -q 42mQuiz.Configuration" || fail "Esc did not highlight the title of the form"
  keys Enter
}
# choose_style NAME: moves the menu highlight down to NAME and opens its form.
choose_style() {
  move_to_entry "$1"
  keys Enter
  expect "Quiz Configuration -- Press Return Here When Ready" "the form of \"$1\""
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
screen_changed() { [ "$(coloured_screen)" != "$before" ]; }
