# A window too small: at 60x20, 70x25 and 80x23 the notice names the size and keys
# are not taken; at 80x24 the menu and its key line show; at 80x25 the menu is back as left.
# Then style names beyond ASCII, in a UTF-8 locale: each character takes one column on
# the menu, so the entries stay lined up and the highlight covers the same 15 columns.
LC_ALL=C.UTF-8
export LC_ALL
. "$(dirname "$0")/common.sh"

need="Tallyvane needs a terminal of at least 80 columns and 24 rows."
# notice_shown: every word of the notice is on the screen (it may be wrapped).
notice_shown() { screen | tr -s ' \n' '  ' | grep -qF "$need"; }
resize() { tm resize-window -t "$session" -x "$1" -y "$2" || fail "tmux could not resize the window to $1x$2"; }

prepare_workspace
open_program 60 20
wait_for notice_shown || fail "the notice \"$need\" is not shown whole in a 60x20 window"
expect "60 columns and 20 rows" "the notice names the window's size"
# Keys are not taken while the notice is shown: Down and Return would open League's form.
# (Nothing to wait for: a short pause lets the program read them before the resize.)
keys Down Enter; sleep 0.2
resize 70 25
expect "70 columns and 25 rows" "the notice after a resize to 70x25"
resize 80 25
expect "Press Return to Choose a Quiz Style" "the style menu after the resize to 80x25"
shows "columns and" && fail "the notice is still shown at 80x25"
# Each cell in its own column: the banner's name starts in column 3, the key line's first key in 2.
screen | sed -n 1p | grep -q "^  Tallyvane " || fail "the banner is not drawn from column 3"
screen | sed -n 25p | grep -q "^ Up/Down Move" || fail "the key line is not drawn from column 2"
wait_highlighted Practice "keys pressed during the notice moved the menu highlight"
keys Down
wait_highlighted League "Down did not highlight League after the resize"
# A wide notice leaves nothing beside the screen when the window grows tall enough.
resize 120 20
expect "120 columns and 20 rows" "the notice in a 120x20 window"
resize 120 30
expect "Press Return to Choose a Quiz Style" "the style menu after the resize to 120x30"
shows "columns and" && fail "the notice is still shown beside the menu at 120x30"
resize 80 24
expect "Shift-D Delete" "the key line in an 80x24 window"
expect "Press Return to Choose a Quiz Style" "the menu in an 80x24 window"
resize 80 23
expect "80 columns and 23 rows" "the notice when the window shrinks to 80x23"
resize 80 25
wait_highlighted League "the menu did not come back as it was left"
keys Up Up Enter
ended_with 0

printf 'Caf\303\251 \342\200\234Cup\342\200\235\nPractice\nEnter New Specs\n' > "$ws/Specs.lst"
start_program
expect "Café “Cup”" "the style name with its accent and curly quotes"
first=$(screen | grep -F "Café “Cup”")
second=$(screen | grep -F "Practice")
[ "${first%%Caf*}" = "${second%%Practice*}" ] || fail "the entries do not start in one column"
highlighted "Café “Cup”     " || fail "the highlight does not cover 15 columns of the first entry"
move_to_entry Exit
keys Enter
ended_with 0
echo "PASS: the notice at 60x20, 70x25 and 80x23 took no key; 80x24 showed the menu and its keys; at 80x25 the menu came back as left; Exit gave status 0; a UTF-8 style name lined up on the menu"
exit 0
