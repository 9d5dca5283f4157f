// Quiz assembly: assemble_quiz fills one quiz, specialty positions first (through the
// finders and choosers of FTV, CV Ref and CO Ref questions), then the regular
// positions, one question from each sector, with the interrogative share; it reads
// the chosen lines and writes the quiz's 33 lines to the list file.
#pragma once
#include <string>
#include <vector>

#include "assembly/assembly_tables.h"
#include "assembly/quiz_tables.h"
#include "bank/question_file.h"
#include "bank/tables.h"
#include "bank/textfile.h"
#include "base/random.h"
#include "base/run_abandoned.h"
#include "style/style.h"
#include "sectors/sector_tables.h"

namespace tv {

// The titles over the list lines of a quiz, in the list file and on the approval screen.
constexpr const char* LIST_TITLES = "  Que Sec Num    Verse  Type  Question";

// What assembly tells the user and asks of them; the run's screens answer.
struct AssemblyReport {
    virtual ~AssemblyReport() = default;
    // "Choosing Quiz n" at the head of the work area.
    virtual void choosing_quiz(int Q2) = 0;
    // A text on the next message row; message_line moves on to the row after it.
    virtual void message(const std::string& text) = 0;
    virtual void message_line(const std::string& text) = 0;
    // A text in place of the one on the message row in use.
    virtual void message_again(const std::string& text) = 0;
    // A line at the cursor.
    virtual void line(const std::string& text) = 0;
    // A text on the next message row that the user acknowledges before the run stops;
    // `alarm` shows it in the highlight colours.
    virtual void stop(const std::string& text, bool alarm) = 0;
    // The specialty questions of quiz Q2 of `quizzes` (their list lines, which hold
    // bytes of the bank) for approval: gives the key that answered, y, Y, n, N or Esc (27).
    virtual int approve(int Q2, int quizzes, const std::vector<std::string>& lines) = 0;
};

// Everything assembly works on, for one run.
struct Assembly {
    AssemblyReport& report;
    Random& rng;
    Clock& clock;
    const Style& style;    // REPEATPCT, SPMIN (IPC lives in AssemblyTables)
    const Season& season;  // the books, for the book letter of every question taken
    BankTables& bank;
    SectorTables& sectors;
    AssemblyTables& at;
    QuizTables& quiz;        // the quiz being assembled
    const QuestionFile& F3;  // regular questions
    const QuestionFile& F4;  // FTV
    const QuestionFile& F5;  // CV Ref
    const QuestionFile& F6;  // CO Ref
    TextWriter& list;        // the list file
    TextWriter& log;         // the message log "temp.txt"
    RepeatPoints& points;
    int V = 2;  // 1 = approve each quiz's specialty combination
};

// Assembles quiz Q2 from its pattern. Sets at.EN when the user pressed Esc at the
// approval prompt (the quiz then has its specialty questions only).
void assemble_quiz(Assembly& a, int Q2, const std::string& pattern);

// Fills regular position C1.
void choose_regular(Assembly& a, int C1);

// One sector draw for position C1: a free sector when one is found in 30000 draws.
struct SectorDraw {
    int s = 0;
    bool free = true;        // false: no free sector was found, the last draw is used
    int LDIF = 0, NDIF = 0;  // distance to the sectors of positions C1-1 and C1+1
};
SectorDraw draw_sector(Assembly& a, int C1);

// Specialty finders: every position of their letter in position order.
void fill_cv_refs(Assembly& a);
void fill_co_refs(Assembly& a);
void fill_ftvs(Assembly& a);
// Specialty choosers: fill position C1 with a CV Ref, CO Ref or FTV question.
void choose_cv_ref(Assembly& a, int C1);
void choose_co_ref(Assembly& a, int C1);
void choose_ftv(Assembly& a, int C1);

// Announces that sectors repeat in this quiz (on the message row in use, and in the
// message log) and frees every sector of the quiz.
void repeat_sectors(Assembly& a);

// The list file's header line of quiz Q2.
std::string list_header(int Q2);
// The list line of position p ("" for a SIT position).
std::string list_line(const AssemblyTables& at, const QuizTables& quiz, int p);

// The pattern letter of position p; a pattern shorter than the quiz gives regular positions.
char typ_at(const QuizTables& quiz, int p);

}  // namespace tv
