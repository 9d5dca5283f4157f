// One quiz as it is assembled: what each position holds. Filled by assembly,
// read by the packet writer.
#pragma once
#include <array>
#include <string>

#include "bank/tables.h"

namespace tv {

struct QuizTables {
    int Q2 = 0;       // number of the quiz
    std::string TYP;  // the quiz's pattern: F, R, O, S or n per position
    // Sector of the question at each position; 99 = none. Entries 0 and 31 read as 0.
    std::array<int, MAX_POSITIONS + 2> SECTOR{};
    // Question line per position (first 254 characters), the rest of a long FTV
    // line ("" or " " otherwise), and the book letter ('R' or 'J').
    std::array<std::string, MAX_POSITIONS + 1> ALL, ALL2;
    std::array<char, MAX_POSITIONS + 1> RLBK{};
};

}  // namespace tv
