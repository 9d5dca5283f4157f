#!/bin/sh
# Signals in the middle of a run end the program and give the terminal back:
#   SIGTERM on the pattern review of "Practice": exit status 143;
#   SIGHUP on the approval menu, after the sector table: exit status 129;
#   Ctrl-C typed on the configuration form: exit status 130.
# Each time the terminal settings are those found before the program and its
# screen is gone; the style list and the style file are untouched.
# Usage: signals.sh PROGRAM SOURCE_DIR
. "$(dirname "$0")/common.sh"

untouched() {
  same_file "$ws/Specs.lst" "$source_dir/data/Specs.lst" "Specs.lst changed by a run ended by $1"
  same_file "$ws/Practice.spe" "$source_dir/data/Practice.spe" "Practice.spe changed by a run ended by $1"
}

prepare_workspace

start_program
choose_style Practice
accept_form
expect "Press Enter to accept all patterns" "the pattern review"
kill -TERM "$(program_pid)" || fail "SIGTERM could not be sent"
ended_with 143
untouched SIGTERM

start_program
choose_style Practice
accept_form
expect "Press Enter to accept all patterns" "the pattern review"
keys Enter
expect "Sc From    To" "the sector table"
keys Enter
expect "Run specialty combinations automatically" "the approval menu"
kill -HUP "$(program_pid)" || fail "SIGHUP could not be sent"
ended_with 129
untouched SIGHUP
[ -f "$ws/RomIntro.qui" ] && [ ! -s "$ws/RomIntro.qui" ] ||
  fail "the run ended on the approval menu should leave its packet file RomIntro.qui empty"

start_program
choose_style Practice
keys 3
expect "Begin:    R  Chapter:  3" "the begin chapter typed on the form"
keys C-c
ended_with 130
untouched Ctrl-C
echo "PASS: SIGTERM on the pattern review (143), SIGHUP on the approval menu (129), Ctrl-C on the form (130): each time the terminal was restored"
exit 0
