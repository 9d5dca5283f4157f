#!/bin/sh
# The three packet layouts and the three ways of sectoring, each through a shipped
# style run in one session:
#   Season   page layout, sectored by verse, 100 quizzes of 25 (the repeat warning
#            is declined);
#   League   card layout, sectored by question, 40 quizzes of 20 (two review pages;
#            the key that leaves the sector table is the approval menu's key);
#   JamesCup tab layout, sectored by chapter, 25 quizzes of 20 with a fixed pattern:
#            on the chapter screen James 1 gets 5 sectors, which makes the total 21
#            and is refused, then James 5 gets 3 and the allocation is accepted.
# Checks the shape of each packet and the list file's sector table.
# Usage: three_layouts.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

prepare_workspace
start_program

# review_pages N: accepts the N pages of the pattern review.
review_pages() {
  expect "Press Enter to accept all patterns" "the pattern review"
  page=1
  while [ $page -lt "$1" ]; do
    first=$(( page * 30 + 1 ))
    keys Enter
    wait_for page_starts_with $first || fail "page $((page + 1)) of the review does not start with quiz $first"
    page=$((page + 1))
  done
  keys Enter
}
page_starts_with() { screen | sed -n 6p | grep -q "^ *$1\. "; }

back_to_menu() {
  keys Enter
  expect "Press Return to Choose a Quiz Style" "the style menu after the closing screen"
}

# ---- Season: page layout, sectored by verse ----
choose_style Season
accept_form
review_pages 4
expect "Sc From    To" "the sector table of Season"
keys Enter
expect "Regular question repeats will begin after quiz 11" "the repeat warning of Season"
expect "Do you wish to resector?"
keys n Enter
expect "Run specialty combinations automatically" "the approval menu"
keys Enter
expect_closing_screen
expect "saved as Season.inf"

# Every quiz: a 78-column title line, 25 positions of which 1-20 are numbered
# ("A and B" 20), pages ended by form feeds, each later page with its header
# "Page n ... Quiz q"; no line wider than 78 columns.
awk '
  function bad(m) { print "Season.qui line " NR ": " m ": " $0; errors++ }
  function close_quiz() { if (quiz && pos != 25) { print "quiz " quiz " holds " pos " positions, not 25"; errors++ } }
  {
    line = $0
    if (sub(/^\f/, "", line)) {
      feeds++
      if (line !~ /Quiz Number/ && line != "") {
        if (line !~ /^Page [0-9]+ +Quiz [0-9]+$/) bad("a page that does not start with its header")
        else { n = split(line, w, " "); if (w[n] != quiz) bad("a page header of another quiz") }
      }
    }
    if (length(line) > 78) bad("wider than 78 columns")
    if (line ~ /Style Quizzing/) {
      close_quiz(); quiz++; pos = 0
      if (line !~ /^R 5:1 to R 8:39 +Season Style Quizzing +Quiz Number [0-9]+$/ || length(line) != 78)
        bad("not a 78-column title line")
      n = split(line, w, " "); if (w[n] != quiz) bad("the title of quiz " w[n] ", not " quiz)
      next
    }
    if (substr(line, 9, 2) == ". " && substr(line, 11, 1) != " ") {
      pos++
      num = substr(line, 7, 2)
      if (pos <= 20 && num + 0 != pos) bad("position " pos " numbered " num)
      if (pos > 20 && num != "  ") bad("position " pos " beyond \"A and B\" has a number")
    }
  }
  END {
    close_quiz()
    if (quiz != 100) { print "Season.qui holds " quiz " quizzes, not 100"; errors++ }
    if (feeds < 100) { print "Season.qui holds " feeds " form feeds, fewer than its 100 quizzes"; errors++ }
    exit errors > 0
  }' "$ws/Season.qui" || fail "the page layout of Season.qui is not right"
tail -c 1 "$ws/Season.qui" | od -c | grep -q '\\f' || fail "Season.qui does not end with a form feed"
back_to_menu

# ---- League: card layout, sectored by question ----
choose_style League
accept_form
review_pages 2
expect "The material will be sectored by individual questions."
keys Enter
expect "Sc From    To" "the sector table of League"
# The key that leaves the sector table stays for the approval menu: Down there
# highlights the second line, Up the first again, and Enter runs automatically.
keys Down
wait_for highlighted "Approve specialty" || fail "Down after the sector table did not reach the approval menu"
keys Up
wait_for highlighted "Run specialty" || fail "Up on the approval menu did not highlight the automatic run"
keys Enter
expect_closing_screen
expect "saved as LeaguePk.inf"

# Cards of 18 lines: per quiz a title card, then one card per position (a card of
# 36 lines when its text is long); the card header names the quiz.
awk '
  function bad(m) { print "LeaguePk.qui line " NR ": " m ": " $0; errors++ }
  NR % 18 == 3 {
    if ($0 == "    League Style Quizzing") {
      if (quiz && cards != 20) { print "quiz " quiz " has " cards " cards, not 20"; errors++ }
      quiz++; cards = 0; last = "title"
    } else if ($0 ~ /^    [RJ] [ 0-9][0-9] [ 0-9][0-9] .* Quiz [0-9]+$/) {
      cards++; last = "card"
      if ($NF != quiz) bad("a card of quiz " $NF " within quiz " quiz)
    } else {
      if (last != "card") bad("an 18-line block that is neither a title card nor a card or its second half")
      last = "long"
    }
  }
  NR % 18 == 7 && $0 == "    Quiz Number " quiz + 0 { numbered++ }
  END {
    if (NR % 18 != 0) { print "LeaguePk.qui has " NR " lines, not a whole number of 18-line cards"; errors++ }
    if (quiz && cards != 20) { print "quiz " quiz " has " cards " cards, not 20"; errors++ }
    if (quiz != 40 || numbered != 40) { print "LeaguePk.qui holds " quiz " title cards (" numbered " numbered), not 40"; errors++ }
    exit errors > 0
  }' "$ws/LeaguePk.qui" || fail "the card layout of LeaguePk.qui is not right"
back_to_menu

# ---- JamesCup: tab layout, sectored by chapter ----
choose_style JamesCup
accept_form
expect "Set Specialty Types" "the specialty type screen of JamesCup (its pattern is fixed)"
keys Enter
review_pages 1
expect "Choose questions per chapter. Use zeros to group chapters." "the chapter screen"
expect "Jam.  5:   4"
keys 5 Down Enter
expect "Your total is 21 questions" "the refused total"
expect "Total questions must equal 20"
expect "Jam.  1:   5"
keys Down Down Down 3 Up
expect "Jam.  5:   3"
keys Enter
expect "Your smallest sector has" "the sector table after the chapter screen"
keys Enter
expect "Do you wish to resector?" "the repeat warning of JamesCup"
keys n Enter
expect "Run specialty combinations automatically" "the approval menu"
keys Enter
expect_closing_screen
expect "saved as JamesCup.inf"

# The sector table in the list file: sectors 1-5 in James 1, 6-9 in James 2,
# 10-13 in James 3, 14-17 in James 4, 18-20 in James 5.
chapters=$(awk '/Que Sec Num/ { exit }
  { line = $0
    while (match(line, /[0-9]+ J +[0-9]+:/)) {
      split(substr(line, RSTART, RLENGTH), a, / +J +/)
      print a[1] + 0, a[2] + 0
      line = substr(line, RSTART + RLENGTH)
    } }' "$ws/JamesCup.inf" | sort -n | awk '{ printf "%s ", $2 }')
[ "$chapters" = "1 1 1 1 1 2 2 2 2 3 3 3 3 4 4 4 4 5 5 5 " ] ||
  fail "the sectors of JamesCup.inf begin in the chapters $chapters, not 5, 4, 4, 4 and 3 sectors per chapter"

# Tab layout: per quiz a title line, 20 position lines with the fixed pattern's
# types (FTV at 7 and 18, CV Ref at 11, CO Ref at 14), then "<pb>".
TAB=$(printf '\t')
awk -F "$TAB" '
  function bad(m) { print "JamesCup.qui line " NR ": " m ": " $0; errors++ }
  /^Quiz / {
    quiz++; pos = 0
    if ($0 != "Quiz " quiz "\t\tJamesCup Style Quizzing\tJ 1:1 to J 5:20") bad("not the title of quiz " quiz)
    next
  }
  /^<pb>$/ { if (pos != 20) bad("quiz " quiz " holds " pos " positions, not 20"); ended++; next }
  $0 == "" || /^Number\tType/ { next }
  {
    pos++
    if ($1 != sprintf("%2d", pos)) bad("position number " $1 ", not " pos)
    want = (pos == 7 || pos == 18) ? "F" : pos == 11 ? "CV" : pos == 14 ? "CO" : ""
    if (want == "F" ? $2 !~ /^(F|Q)/ : $2 != want) bad("position " pos " has the type \"" $2 "\"")
    if ($NF !~ /^\(J [ 0-9][0-9] [ 0-9][0-9]\)$/) bad("not a verse of James")
  }
  END {
    if (quiz != 25 || ended != 25) { print "JamesCup.qui holds " quiz " quizzes and " ended " <pb> lines, not 25"; errors++ }
    exit errors > 0
  }' "$ws/JamesCup.qui" || fail "the tab layout of JamesCup.qui is not right"
back_to_menu

keys Up Enter
ended_with 0
echo "PASS: Season (page, by verse, 100 quizzes), League (card, by question, 40 quizzes) and JamesCup (tab, by chapter with an edited allocation, 25 quizzes) gave packets of the right shape"
exit 0
