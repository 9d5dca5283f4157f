# Shared by the end-to-end scripts: a fresh workspace, the program started in it
# under tmux at 80x25, and small helpers to send keys and read the screen back.
# Usage, from a script run as SCRIPT PROGRAM SOURCE_DIR: . common.sh, then
# prepare_workspace and start_program.
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
tm() { tmux -L "$socket" -f /dev/null "$@"; }
cleanup() {
  tm kill-server >/dev/null 2>&1
  rm -rf "$top"
}
trap cleanup EXIT

screen() { tm capture-pane -p -t tv 2>/dev/null; }
coloured_screen() { tm capture-pane -e -p -t tv 2>/dev/null; }
fail() {
  echo "FAIL: $*"
  echo "---- screen ----"
  screen
  echo "----------------"
  [ -s "$ws/stderr.txt" ] && { echo "---- program's error output ----"; cat "$ws/stderr.txt"; }
  exit 1
}
# wait_for COMMAND...: runs the command every 0.1 s until it succeeds, 5 s at most.
wait_for() {
  i=0
  while [ $i -lt 50 ]; do
    "$@" && return 0
    sleep 0.1
    i=$((i + 1))
  done
  return 1
}
shows() { screen | grep -qF -- "$1"; }
has_status() { [ -s "$ws/status" ]; }
keys() { tm send-keys -t tv "$@"; }

exit_highlighted() { coloured_screen | grep -q '41mExit'; }

# The workspace: the installed style list and styles, the demo bank.
prepare_workspace() {
  sh "$source_dir/tools/prepare-workspace.sh" "$ws" || fail "the workspace could not be prepared"
}
# The program started in the workspace; its exit status goes to "status", the
# terminal settings before and after it to "stty.before" and "stty.after".
start_program() {
  tm new-session -d -s tv -x 80 -y 25 -c "$ws" \
    "sh -c 'stty -g > stty.before; \"$program\" 2> stderr.txt; echo \$? > status; stty -g > stty.after'" \; \
    set-option -g remain-on-exit on || fail "tmux could not start"
  wait_for shows "Tallyvane 30.0" || fail "no banner"
  wait_for shows "Press Return to Choose a Quiz Style" || fail "no style menu"
}
