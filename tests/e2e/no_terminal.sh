# Without a terminal that can place the cursor (input from /dev/null, output to a
# file, TERM=dumb, no TERM) the program says so in one line and ends with status 1,
# drawing nothing. With NO_COLOR the menu is drawn without colours.
. "$(dirname "$0")/common.sh"

prepare_workspace

# refused WHAT REASON: the run just made ended with status 1, wrote nothing to its
# output and exactly one line, naming REASON, to its error output.
refused() {
  [ "$(cat "$top/status")" = 1 ] || fail "$1: exit status $(cat "$top/status"), not 1"
  [ ! -s "$top/out" ] || fail "$1: the program wrote to its output: $(head -c 200 "$top/out")"
  [ "$(wc -l < "$top/err")" = 1 ] || fail "$1: not one line of error output: $(cat "$top/err")"
  grep -q "^tallyvane: .*$2" "$top/err" || fail "$1: the error line does not say \"$2\": $(cat "$top/err")"
}

# Without tmux: input from /dev/null. A program that waited for keys would run
# into the time limit (status 124).
(cd "$ws" && timeout 10 "$program" < /dev/null > "$top/out" 2> "$top/err"; echo $? > "$top/status")
refused "input from /dev/null" "standard input is not a terminal"

# The workspace check needs no terminal: status 0 on the demo, 1 with a bad line named.
(cd "$ws" && env -u TERM timeout 10 "$program" --check < /dev/null > "$top/out" 2>&1) || fail "--check: $(cat "$top/out")"
printf ' 1 99\tCV\tWho?\tPaul\n' >> "$ws/cv.c"
(cd "$ws" && env -u TERM timeout 10 "$program" --check < /dev/null > "$top/out" 2>&1; echo $? > "$top/status")
[ "$(cat "$top/status")" = 1 ] && grep -qx "cv.c:[0-9]*: Romans 1 has 32 verses" "$top/out" || fail "--check: $(cat "$top/out")"

# In a tmux pane, so that the input is a terminal.
in_pane() {
  rm -f "$top/status" "$top/out" "$top/err"
  new_session 80 25 "$1 2> '$top/err'; echo \$? > '$top/status'"
  patience=100 wait_for test -s "$top/status" || fail "$2: the program did not end"
}
in_pane "'$program' > '$top/out'" "output to a file"
refused "output to a file" "standard output is not a terminal"
in_pane "TERM=dumb '$program'" "TERM=dumb"
refused "TERM=dumb" "cannot move the cursor"
in_pane "env -u TERM '$program'" "no TERM"
refused "no TERM" "TERM is not set"

# The linux console's description lacks rmkx and rmcup: the program runs without them.
printf '#!/bin/sh\nNO_COLOR=1 TERM=linux exec "%s"\n' "$program" > "$top/no_color.sh"
chmod +x "$top/no_color.sh"
program="$top/no_color.sh"
start_program
coloured_screen | grep -q '\[[0-9;]*4[0-7]m' && fail "NO_COLOR is set, yet the screen has background colours"
keys Up Enter
ended_with 0
echo "PASS: --check without a terminal; /dev/null input, output to a file, TERM=dumb and no TERM each refused in one line with status 1; NO_COLOR drew no colours, on a terminal without rmcup"
exit 0
