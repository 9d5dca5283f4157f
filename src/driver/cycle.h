// The program's main cycle: one cycle is one run, from the banner and the style
// editor to the end of the run, until the user leaves the editor with "Exit".
#pragma once
#include <string>

#include "bank/bank.h"
#include "bank/textfile.h"
#include "base/random.h"
#include "console/console.h"
#include "console/printer.h"
#include "driver/run.h"

namespace tv {

// The program: start, the cycle until "Exit", the end. Returns the exit status (0).
// A failed file operation leaves as an IoError.
int run_program(Console& con, const Files& files, Random& rng, Clock& clock, Printer& printer);

// Program start: seeds the generator from the clock, clears share_abandoned,
// and gives the run and the editor the workspace's material.
void start_program(Run& run, Random& rng, Clock& clock, const Season& season);
// One cycle. Returns false when the hand-off holds "Exit". An abandoned run ends
// the cycle early; the next one starts at the banner.
bool run_cycle(Run& run, Console& con, const Files& files, Random& rng, Clock& clock,
               Printer& printer);
// The run of the style named in the hand-off file (Steps 3 to 18 of
// docs/how-it-works.md 3.2), as run_cycle does after the editor. Returns false when
// the hand-off holds "Exit".
bool run_style(Run& run, Console& con, const Files& files, Random& rng, Clock& clock,
               Printer& printer);
// Program end: white on black, screen cleared.
void end_program(Console& con);

// The steps of a cycle, in order, numbered as in docs/how-it-works.md 3.2.
void draw_banner(Console& con, Run& run);                         // 1
void edit_styles(Console& con, const Files& files, Run& run);     // 2: the style editor
bool read_style_name(const Files& files, Run& run);               // 3: true on "Exit"
void read_run_style(Console& con, const Files& files, Run& run);  // 4
// A style whose settings lie outside the form's values is not run: the screen
// names the setting, the run is abandoned.
void refuse_out_of_range(Console& con, const Run& run);
void name_bank(Run& run);  // 5
// The question files of the style, read and checked as soon as their names are
// known, every line as the index takes it; a verse count file that exists is checked
// to be a readable file.
RunBank load_bank(const Files& files, const BankNames& names, const Season& season);
void make_run_patterns(Console& con, const Files& files, Random& rng, Run& run);       // 6
void name_run_files(Run& run);                                                         // 7
void count_material(Console& con, const Files& files, Run& run, const RunBank& bank);  // 8
void make_sectors(Console& con, const Files& files, Run& run);                         // 9-11
void check_specialties(Console& con, Run& run);                                        // 13
void choose_approval(Console& con, Run& run);                                          // 14
// 15-17: prepares the quizzes, assembles and writes them, closes the run. The packet
// and the list are put in place when the run ends, also when it stops after some
// quizzes; a run stopped before its first quiz leaves those of the run before.
// Returns whether printed copies were asked for.
bool make_quizzes(Console& con, const Files& files, Random& rng, Clock& clock, Run& run,
                  const RunBank& bank, TextWriter& packet);
// 17.2: the notice that the interrogative share was given up, at the next message row.
void show_abandoned_share(Console& con, Run& run);
void print_copies(Console& con, const Files& files, Printer& printer, Run& run);  // 18

// The row 25 line of the banner, for the season's name.
std::string organisation_line(const Season& season);

}  // namespace tv
