#!/bin/sh
# Starts the program in a fresh workspace under tmux at 80x25, waits for the banner
# and the style menu, moves the highlight down to "Exit", presses Enter and checks
# that the program ended with status 0 and gave the terminal back as it found it.
# Usage: exit_from_menu.sh PROGRAM SOURCE_DIR
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
exit_highlighted() { coloured_screen | grep -q '41mExit'; }
has_status() { [ -s "$ws/status" ]; }
screen_changed() { [ "$(coloured_screen)" != "$before" ]; }

# The workspace: the installed style list and styles, the demo bank.
sh "$source_dir/tools/prepare-workspace.sh" "$ws" || fail "the workspace could not be prepared"
if [ ! -f "$ws/Specs.lst" ]; then
  printf 'Enter New Specs\n' > "$ws/Specs.lst"
  printf '%s\n' N "1 1" "21 20" Packet 60 P 20 A 20 50 Y 20 V 10 4 2 2 1 1 0 1 0 0 0 100 1 20 N \
    AAAAAAAAAAAAAAAAAAAAnnnnnnnnnn > "$ws/New.spe"
fi

tm new-session -d -s tv -x 80 -y 25 -c "$ws" \
  "sh -c 'stty -g > stty.before; \"$program\" 2> stderr.txt; echo \$? > status; stty -g > stty.after'" \; \
  set-option -g remain-on-exit on || fail "tmux could not start"

wait_for shows "Tallyvane 30.0" || fail "no banner"
wait_for shows "Press Return to Choose a Quiz Style" || fail "no style menu"
wait_for shows "Enter New Specs" || fail "no \"Enter New Specs\" on the menu"
exit_highlighted && fail "\"Exit\" is highlighted before any key"

moves=0
until exit_highlighted; do
  [ $moves -lt 18 ] || fail "\"Exit\" was never highlighted after $moves Down keys"
  before=$(coloured_screen)
  tm send-keys -t tv Down
  wait_for screen_changed || fail "Down did not move the highlight"
  moves=$((moves + 1))
done

tm send-keys -t tv Enter
wait_for has_status || fail "the program did not end after Enter on \"Exit\""
status=$(cat "$ws/status")
[ "$status" = 0 ] || fail "exit status $status, not 0"
[ "$(cat "$ws/temp2.txt")" = Exit ] || fail "the hand-off file does not hold \"Exit\""
wait_for test -s "$ws/stty.after" || fail "the terminal settings could not be read after the end"
cmp -s "$ws/stty.before" "$ws/stty.after" || fail "the terminal settings were not restored"
shows "Press Return to Choose" && fail "the program's screen is still shown after the end"
echo "PASS: menu shown, \"Exit\" reached with $moves Down keys, status 0, terminal restored"
exit 0
