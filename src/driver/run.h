// The driver's state. One Run lives for the whole program: the settings and tables
// are set again by the steps of every run, while the fields of the program's
// lifetime (S, NUM, FIX, the specialty repeat points of a style without that
// specialty) keep their values from run to run.
#pragma once
#include <array>
#include <string>

#include "assembly/quiz_tables.h"
#include "bank/tables.h"
#include "editor/editor.h"
#include "editor/style.h"
#include "patterns/patterns.h"
#include "sectors/sector_tables.h"

namespace tv {

constexpr int MAX_QUIZZES = 100;

struct Run {
    Style settings;          // the run settings, read from the style file every run
    Editor editor;           // the editor's state; five of its fields come from the style too
    BankNames names;         // the bank's files: F3 F4 F5 F6 F11
    BankTables bank;         // per-verse counts, totals of the material
    SectorTables sectors;    // the sectors of the run
    QuizTables quiz;         // the quiz being assembled
    Patterns patterns;       // the pattern generator's working data

    std::string NAME;        // style name from the hand-off file; "Exit" ends the program
    int QZ = 0;              // quizzes of the run (QNUM)
    std::array<std::string, MAX_QUIZZES + 1> PAT;  // specialty pattern of quiz 1-100
    bool BACK = false;       // the pattern review was left with Esc
    int V = 0;               // approval mode: 1 quiz by quiz, 2 automatic
    int Q2 = 0;              // quiz being assembled
    bool EN = false;         // stop mark of one quiz's assembly
    int RSET = 4;            // row of the last progress message
    bool ABAND3 = false;     // the interrogative share was given up...
    int ABAND = 0;           // ...on this quiz...
    int OLDIPC = 0;          // ...and this was the share
    int CHOICE = 0;          // work field of specialty selection
    int MINQZ1 = 0, RQUIZ1 = 0, FQUIZ1 = 0, SQUIZ1 = 0, OQUIZ1 = 0;  // copies at the first quiz
    int FQUIZ = 0, RQUIZ = 0, OQUIZ = 0, SQUIZ = 0;  // specialty repeat points
    char FTCC = 'a', FTC2 = 'b', FTC3 = 'c', FTC4 = 'd', FTC5 = 'e';  // FTV type letters
    int C1 = 0;              // printed copies asked for

    // The run's own files: packet, message log, question and sector list.
    std::string F8, F9, F10;

    // Set once at the start of the program.
    int S = 0, NUM = 0, FIX = 0;
};

}  // namespace tv
