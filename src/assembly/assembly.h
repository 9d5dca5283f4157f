// Quiz assembly: CHOOSESPEC fills one quiz, specialty positions first (through the
// finders and choosers of FTV, CV Ref and CO Ref questions), then the regular
// positions, one question from each sector, with the interrogative share; it reads
// the chosen lines and writes the quiz's 33 lines to the list file.
#pragma once
#include <string>

#include "assembly/assembly_tables.h"
#include "assembly/quiz_tables.h"
#include "bank/question_file.h"
#include "bank/tables.h"
#include "bank/textfile.h"
#include "console/console.h"
#include "console/random.h"
#include "style/style.h"
#include "sectors/sector_tables.h"

namespace tv {

// Everything assembly works on, for one run.
struct Assembly {
    Console& con;
    Random& rng;
    Clock& clock;
    const Style& style;       // REPEATPCT, SPMIN (IPC lives in AssemblyTables)
    const Season& season;     // the books, for the book letter of every question taken
    BankTables& bank;
    SectorTables& sectors;
    AssemblyTables& at;
    QuizTables& quiz;         // the quiz being assembled
    const QuestionFile& F3;   // regular questions
    const QuestionFile& F4;   // FTV
    const QuestionFile& F5;   // CV Ref
    const QuestionFile& F6;   // CO Ref
    TextWriter& list;         // the list file
    TextWriter& log;          // the message log "temp.txt"
    int& RSET;                // row of the last progress message
    RepeatPoints& points;
    int V = 2;                // 1 = approve each quiz's specialty combination
};

// Assembles quiz Q2 from its pattern. Sets at.EN when the user pressed Esc at the
// approval prompt (the quiz then has its specialty questions only).
void CHOOSESPEC(Assembly& a, int Q2, const std::string& pattern);

// Fills regular position C1.
void CHOOSEQUE(Assembly& a, int C1);

// One sector draw for position C1: a free sector when one is found in 30000 draws.
struct SectorDraw {
    int s = 0;
    bool free = true;   // false: no free sector was found, the last draw is used
    int LDIF = 0, NDIF = 0;  // distance to the sectors of positions C1-1 and C1+1
};
SectorDraw CHOOSES(Assembly& a, int C1);

// Specialty finders: every position of their letter in position order.
void FINDREFS(Assembly& a);
void FINDONLYS(Assembly& a);
void FINDFTVS(Assembly& a);
// Specialty choosers: fill position C1 with a CV Ref, CO Ref or FTV question.
void CHOOSEREF(Assembly& a, int C1);
void CHOOSEONLY(Assembly& a, int C1);
void CHOOSEFIN(Assembly& a, int C1);

// Announces that sectors repeat in this quiz and frees every sector of the quiz.
// The caller has advanced RSET.
void REPEATSECTOR(Assembly& a);

// The list file's header line of quiz Q2.
std::string list_header(int Q2);
// The list line of position p ("" for a SIT position).
std::string list_line(const AssemblyTables& at, const QuizTables& quiz, int p);

// The pattern letter of position p; a pattern shorter than the quiz gives regular positions.
char typ_at(const QuizTables& quiz, int p);

}  // namespace tv
