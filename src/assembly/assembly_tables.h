// The state of quiz assembly: which questions may still be drawn, what the quiz
// being assembled takes from each sector, and the counters of the interrogative
// share and of the specialty choosers.
#pragma once
#include <array>

#include "bank/interrogative.h"
#include "bank/tables.h"
#include "style/style.h"
#include "sectors/sector_tables.h"
#include "sectors/sectoring.h"

namespace tv {

constexpr int REG_MARKS = 100;  // marks per sector for regular questions
constexpr int SPEC_MARKS = 50;  // marks per sector for each specialty type

// Availability marks, sector 1-30 by question 1-100 (regular) or 1-50 (specialty);
// true = the question may still be drawn. A question numbered above the table
// shares the mark of its number reduced by 100 (or 50) as often as needed.
using RegMarks = std::array<std::array<bool, REG_MARKS + 1>, MAX_SECTORS + 1>;
using SpecMarks = std::array<std::array<bool, SPEC_MARKS + 1>, MAX_SECTORS + 1>;

// Per sector (1-30) or per position (1-30); entry 31 always reads 0.
using QuizRow = std::array<int, MAX_SECTORS + 2>;

struct AssemblyTables {
    RegMarks REGQUESTION{};
    SpecMarks REFERENCE{}, ONLY{}, FINISH{}, SITUATION{};
    InterrogativeMarks INT;  // filled by mark_interrogatives; every question of a sector

    // Per quiz.
    QuizRow RSECTOR{};            // by position: sector of its regular question
    QuizRow PNUMBER{};            // by position: number of its regular question
    QuizRow QN{};                 // by sector: position of its regular question; 99 = none
    QuizRow RNUMBER{};            // by sector: number of the regular question drawn from it
    QuizRow NUMBER{};             // by sector: number of the question it gives to the quiz
    QuizRow FLAG{};               // by sector: 1 = still free in this quiz
    bool header_written = false;  // list header of this quiz

    // Interrogative share.
    int IPC = 50;                  // percent wanted; 50 = no share (also after giving it up)
    int INUM = 0;                  // interrogatives wanted in this quiz
    int ITOT = 0;                  // interrogatives drawn
    bool share_abandoned = false;  // the share was given up...
    int ABAND = 0;                 // ...on this quiz...
    int OLDIPC = 0;                // ...at this percentage

    // Approval and specialty order.
    char I = ' ';     // the last key taken at the approval prompt, as typed
    bool EN = false;  // Esc at the approval prompt
    char PRIORITY1 = 'F', PRIORITY2 = 'R';
    int FDIF = 0, SDIF = 0, RDIF = 0, ODIF = 0;

    // Specialty choosers.
    int SECOND = 0;  // ordinal of the position among those of its type
    int LAST = 99;   // sector of the previous CV Ref of this quiz
    int LASTO = 99;  // sector of the previous CO Ref or FTV of this quiz
    char FTCC = 'a', FTC2 = 'b', FTC3 = 'c', FTC4 = 'd';  // FTV kind history
    int FTC = 0;  // FTV candidates rejected in the current call
};

namespace detail {
// Question numbers from 1; numbers above `size` fold back onto 1..size.
inline int fold(int k, int size) { return k < 1 ? 1 : (k - 1) % size + 1; }
inline int sector_index(int s) { return s < 1 ? 0 : s > MAX_SECTORS ? 0 : s; }
}  // namespace detail

// The mark of question k of sector s (k from 1; numbers above the table share).
// Inline: the draws look at every mark of a sector.
inline bool& reg_mark(RegMarks& marks, int s, int k) {
    return marks[detail::sector_index(s)][detail::fold(k, REG_MARKS)];
}
inline bool& spec_mark(SpecMarks& marks, int s, int k) {
    return marks[detail::sector_index(s)][detail::fold(k, SPEC_MARKS)];
}
// Whether question k of sector s is interrogative (false when no mark is known).
inline bool interrogative(const AssemblyTables& at, int s, int k) {
    if (s < 1 || s > MAX_SECTORS || k < 1) return false;
    const auto& marks = at.INT[s];
    return k < static_cast<int>(marks.size()) && marks[k];
}

// Before the quizzes of a run: every question available again, and the sector
// totals taken from the counts.
void reset_availability(AssemblyTables& at, SectorTables& sectors);

// Just before the first quiz: copies of the repeat points, the FTV kind history
// and the interrogative share of the style; nothing given up yet.
void start_quizzes(AssemblyTables& at, RepeatPoints& points, const SectorTables& sectors,
                   const Style& style);

}  // namespace tv
