// The rules a user relies on in every run, whatever its seed, checked on the files
// the run wrote (the packet, the list, pat.txt) against the style and the question
// bank it was made from. The checker knows nothing of the draws: a change of the
// random sequence keeps every rule it states.
//
//  - Patterns: each quiz's specialties of each type within the style's ranges, at
//    positions inside the window (the last card of a deck that fills the window may
//    fall just after it), never past the quiz's last question; a fixed pattern as set.
//  - Positions: one per sector, each of the type its pattern letter asks for, each
//    from a different sector (unless the log says sectors repeat in that quiz).
//  - Questions: the list's sector and number name a line of the type's file
//    (docs/how-it-works.md 4.3) whose reference and text the list shows; a real
//    verse of the material, inside its sector (a specialty of a verse without
//    regular questions: between the sectors beside it); at level L no sector
//    begins in a chapter the level skips.
//  - Repeats: with no question left eligible (REPEATPCT 0 or less), a question is
//    not used again until the log says its repeats began; a specialty type's
//    repeats begin only when every sector still holding an unused question of it
//    is taken in the quiz, or when the FTV repeats are due (docs/how-it-works.md
//    7.4), and then they begin.
//  - Interrogatives: unless IPC is 50, each quiz holds (regular positions x IPC)
//    div 100 interrogative questions, up to the quiz where the log says it gave up.
//  - Packet: the same quizzes as the list, position by position (number up to AB,
//    type code, reference); page lines of at most 78 characters and pages of at most
//    Lines/Pg lines; cards of 18 lines and 48 columns; tab lines of five fields, each
//    quiz closed by <pb>.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace tv::test {

struct RunReport {
    std::vector<std::string> broken;  // each rule broken, with the quiz and position
    int quizzes = 0;                  // quizzes in the list
    int early_repeats = 0;            // questions used again before a repeat began
};

// Checks the run of the style file `style`.spe made in the workspace `dir`.
RunReport check_run(const std::filesystem::path& dir, const std::string& style);

}  // namespace tv::test
