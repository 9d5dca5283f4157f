// The question bank's tables in memory: per-verse counts of each kind of question,
// the totals of a run's material and the counts before it.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace tv {

constexpr int CHAPTERS = 21;      // Romans 1-16, James 1-5 as 17-21
constexpr int VERSES = 45;        // table rows per chapter
constexpr int MAX_SECTORS = 30;
constexpr int MAX_POSITIONS = 30;

// Verses of each chapter (1-based).
constexpr std::array<int, CHAPTERS + 1> VERSE_COUNT = {
    0, 32, 29, 31, 25, 21, 23, 25, 39, 33, 21, 36, 21, 14, 23, 33, 27, 27, 26, 18, 17, 20};

// A count per chapter 1-21 and verse 1-45 (index 0 unused).
using VerseCounts = std::array<std::array<int, VERSES + 1>, CHAPTERS + 1>;

// The five files of a bank, named from the style (level, list letter, Pct Prim FTV).
struct BankNames {
    std::string F3;   // regular questions
    std::string F4;   // FTV questions
    std::string F5;   // CV Ref questions
    std::string F6;   // CO Ref questions
    std::string F11;  // verse count file
};

struct BankTables {
    VerseCounts QCOUNT{}, FCOUNT{}, RCOUNT{}, OCOUNT{}, SCOUNT{};
    // Totals of the material of the run.
    int TQUEST = 0, FQUEST = 0, RQUEST = 0, OQUEST = 0, SQUEST = 0;
    // Questions of each kind in the verses before the material.
    int BEFORE = 0, FBEFORE = 0, RBEFORE = 0, OBEFORE = 0, SBEFORE = 0;
    // FTV type letter of FTV question n (from 1) of sector s (1-30).
    std::array<std::vector<char>, MAX_SECTORS + 1> FTYPE;
};

}  // namespace tv
