#!/bin/sh
# A new style made on the form, the way a user makes one: "Enter New Specs", the
# material Romans 2:5 to 4:20, the tab layout, 12 questions per quiz, 7 quizzes,
# the name "Weekly" with the output "Wkpack", fixed specialty positions (one FTV,
# one CV Ref) placed on the specialty type screen. The checks first send the cursor
# to the unequal FTV range; once mended the style is saved and run automatically.
# Checks the style file, the packet (7 quizzes of 12 positions, the FTV always at
# position 3 and the CV Ref at 8), the list file, the style list, and that
# "Weekly" is on the menu after the run and when the program is started again.
# Usage: new_style.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

prepare_workspace
start_program
choose_style "Enter New Specs"
expect "Name of Quiz Style  : New" "a new style starts from the template \"New\""
expect_cursor 27 6 "the begin chapter"

# Material: begin Romans 2:5; the end book back to Romans, then chapter 4, verse 20.
keys 2 Right 5 Down
expect "Begin:    R  Chapter:  2 Ver:  5"
keys Left Left r Right 4 Right 2 0 Down
expect "End:      R  Chapter:  4 Ver: 20"
expect_cursor 27 10 "the style name"
# Names: the first letter is made a capital.
type_text weekly
keys Enter
type_text wkpack
keys Enter
expect "Name of Quiz Style  : Weekly"
expect "Name of Output File : Wkpack"
# Layout t, 12 questions per pack, the window 1 to 10, 7 quizzes.
keys t Enter 1 2 Enter Enter 1 0 Enter Enter 7 Enter
expect "Output (p/c/t):  T"
expect "Number of Questions per pack: 12"
expect "Specialties may appear  1 to  10"
expect "Number of Quizzes in this Run:  7"
expect_cursor 74 8 "the sector letter, after the number of quizzes"
# Return runs down the maxima to Reg and to "Set Specialty Quest nos": Y.
keys Enter Enter Enter Enter Enter Enter Enter y
expect "Set Specialty Quest nos (y/n):  Y"
# FTV Min 1 and Max 2 cannot make a fixed pattern: the checks stop at FTV Min.
keys Escape
expect "Incompatible Specs -- Press Return to go to Error" "the checks refuse unequal FTV ranges"
keys Enter
expect_cursor 64 15 "FTV Min, the field in error"
# FTV 1-1, CV Ref 1-1, CO Ref 0-0, then the total maximum 2.
keys Right 1 Down Left 1 Down Right 0 Down Up Up Up Up 2 Left
expect "Total        Min:  2  Max:  2"
expect "FTV Type     Min:  1  Max:  1"
expect "CV Ref       Min:  1  Max:  1"
expect "CO Ref       Min:  0  Max:  0"
accept_form

expect "Set Specialty Types" "the specialty type screen after the save"
expect "Choose:  1 FTV (F)   1 CV Ref (R)   0 CO Ref (O)   and 0 SIT (S)."
expect_cursor 32 12 "position 1 of the window 1-10"
# One letter placed: Return is refused and the screen stays. An O is refused (CO
# Ref maximum 0); then the CV Ref at position 8.
keys Right Right f Enter Right
expect_cursor 38 12 "position 4, after a refused Return"
shows "Set Specialty Types" || fail "Return with one letter of two left the specialty type screen"
keys o Right Right Right Right r
expect_cursor 46 12 "position 8"
screen | grep -q '^ *F *R *$' || fail "the placed letters F and R are not shown on row 12"
keys Enter

expect "Press Enter to accept all patterns" "the pattern review"
fixed=nnFnnnnRnnnnnnnnnnnnnnnnnnnnnn
quizzes=$(screen | grep -c "^ *[1-7]\. $fixed\$")
[ "$quizzes" = 7 ] || fail "the review does not show the fixed pattern $fixed for quizzes 1-7"
# Reshuffling a fixed pattern gives it again.
keys Space Enter
expect "Sc From    To" "the sector table"
expect "A quiz will contain one question from each sector."
keys Enter
expect "Run specialty combinations automatically" "the approval menu"
keys Enter
expect_closing_screen
expect "saved as Wkpack.inf"
expect "ASCII text file Wkpack.qui"

printf '%s\n' N "2 5" "4 20" Wkpack 60 T 12 A 20 50 Y 7 V 10 2 2 1 1 1 1 0 0 0 0 100 1 10 Y $fixed \
  > "$top/Weekly.spe"
same_file "$ws/Weekly.spe" "$top/Weekly.spe" "the style file Weekly.spe does not hold the values typed"
printf '%s\n' Practice League JamesCup Season Weekly "Enter New Specs" > "$top/Specs.lst"
same_file "$ws/Specs.lst" "$top/Specs.lst" "\"Weekly\" was not added to Specs.lst before \"Enter New Specs\""
[ "$(cat "$ws/temp2.txt")" = Weekly ] || fail "the hand-off file does not name Weekly"

# The packet, tab layout: per quiz a title, an empty line, the column titles, 12
# positions numbered 1-12 (all up to "A and B" 20), then "<pb>"; the FTV (or Quote)
# at position 3, the CV Ref at 8, every verse within Romans 2:5-4:20.
TAB=$(printf '\t')
awk -F "$TAB" -v fixed="$fixed" '
  function bad(m) { print "Wkpack.qui line " NR ": " m ": " $0; errors++ }
  /^Quiz / {
    quiz++; pos = 0
    if ($0 != "Quiz " quiz "\t\tWeekly Style Quizzing\tR 2:5 to R 4:20") bad("not the title of quiz " quiz)
    next
  }
  /^<pb>$/ { if (pos != 12) bad("quiz " quiz " holds " pos " positions, not 12"); ended++; next }
  $0 == "" || /^Number\tType\tQuestion\tAnswer\tVerse$/ { next }
  {
    pos++
    if ($1 != sprintf("%2d", pos)) bad("position number " $1 ", not " pos)
    t = substr(fixed, pos, 1)
    if (t == "n" && $2 != "") bad("a regular position with the type " $2)
    if (t == "F" && $2 !~ /^(F|Q)/) bad("position 3 is not an FTV")
    if (t == "R" && $2 != "CV") bad("position 8 is not a CV Ref")
    if (!match($NF, /^\(R [ 0-9][0-9] [ 0-9][0-9]\)$/)) { bad("no Romans verse at the end"); next }
    ch = substr($NF, 4, 2) + 0; v = substr($NF, 7, 2) + 0
    if (ch * 100 + v < 205 || ch * 100 + v > 420) bad("verse outside Romans 2:5-4:20")
  }
  END {
    if (quiz != 7 || ended != 7) { print "Wkpack.qui holds " quiz " quizzes and " ended " <pb> lines, not 7"; errors++ }
    exit errors > 0
  }' "$ws/Wkpack.qui" || fail "the packet Wkpack.qui has not the shape of the style"

# The list file: the sector table of 12 sectors, then per quiz its header and the
# lines of positions 1-12, the FTV type at 3 and "CV" at 8.
awk -v fixed="$fixed" '
  function bad(m) { print "Wkpack.inf line " NR ": " m ": " $0; errors++ }
  /^ +[0-9]+ R [ 0-9][0-9]:[ 0-9][0-9] / && !quiz { sectors += ($0 ~ /^ +[0-9]+ R .*[0-9] +[0-9]+ R /) ? 2 : 1 }
  /Que Sec Num +Verse  Type  Question/ {
    quiz++; pos = 0
    if ($NF != quiz) bad("the header of quiz " quiz)
    next
  }
  quiz && /^ +[0-9]+\. / {
    pos++
    if ($1 != pos ".") bad("position " pos " expected")
    t = substr(fixed, pos, 1); type = substr($0, 25, 4)
    if (t == "F" && type !~ /^(F|Q)/) bad("position 3 is not an FTV")
    if (t == "R" && type != "CV  ") bad("position 8 is not a CV Ref")
    if (t == "n" && type != "    ") bad("a regular position with a type")
    if (pos == 12) done++
  }
  END {
    if (sectors != 12) { print "Wkpack.inf: the sector table has " sectors " sectors, not 12"; errors++ }
    if (quiz != 7 || done != 7) { print "Wkpack.inf: " quiz " quiz headers, " done " complete quizzes, not 7"; errors++ }
    exit errors > 0
  }' "$ws/Wkpack.inf" || fail "the list file Wkpack.inf has not the shape of the style"

# Back on the menu, "Weekly" stands before "Enter New Specs".
keys Enter
expect "Press Return to Choose a Quiz Style" "the style menu after the run"
menu=$(screen | sed -n '6,12p' | sed 's/^ *//; s/ *$//' | tr '\n' '/')
[ "$menu" = "Practice/League/JamesCup/Season/Weekly/Enter New Specs/Exit/" ] ||
  fail "the menu after the run reads $menu"
keys Up Enter
ended_with 0

# The next time the program starts, "Weekly" is on the menu and opens with its values.
start_program
expect "Weekly" "the new style on the menu at the next start"
choose_style Weekly
expect "Name of Quiz Style  : Weekly"
expect "Name of Output File : Wkpack"
expect "Output (p/c/t):  T"
expect "Set Specialty Quest nos (y/n):  Y"
# Esc to the title, Esc again back to the menu without saving; then "Exit".
keys Escape
wait_for title_highlighted || fail "Esc did not highlight the title"
keys Escape
expect "Press Return to Choose a Quiz Style" "the menu after Esc on the title"
keys Up Enter
ended_with 0
same_file "$ws/Weekly.spe" "$top/Weekly.spe" "leaving the form with Esc changed Weekly.spe"
echo "PASS: \"Weekly\" made on the form, saved with its fixed pattern, run to 7 quizzes of 12 positions in Wkpack.qui and Wkpack.inf, listed before \"Enter New Specs\" and on the menu at the next start"
exit 0
