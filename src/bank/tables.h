// The question bank's tables in memory: per-verse counts of each kind of question,
// the totals of a run's material and the counts before it.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace tv {

// Chapters are numbered across the books of the material from 1; a question line
// holds two columns for the chapter and two for the verse.
constexpr int MAX_CHAPTERS = 99;
constexpr int MAX_VERSES = 99;
constexpr int MAX_SECTORS = 30;
constexpr int MAX_POSITIONS = 30;

// The built-in material: Romans 1-16, then James 1-5 as chapters 17-21, 45 rows
// per chapter in the count file.
constexpr int CHAPTERS = 21;
constexpr int VERSES = 45;
constexpr std::array<int, CHAPTERS + 1> VERSE_COUNT = {0,  32, 29, 31, 25, 21, 23, 25, 39, 33, 21,
                                                       36, 21, 14, 23, 33, 27, 27, 26, 18, 17, 20};

// Whether chapter CH, verse V has a place in the tables. Settings come from a style
// file; a verse outside the tables counts nothing. Verses beyond the material hold
// no counts, so walks over the tables need not know its size.
inline bool in_tables(int CH, int V) {
    return CH >= 1 && CH <= MAX_CHAPTERS && V >= 1 && V <= MAX_VERSES;
}

// A count per chapter and verse (index 0 unused), zero everywhere at first; held
// on the heap, since every material fits the same 99 by 99 table.
class VerseCounts {
public:
    using Row = std::array<int, MAX_VERSES + 1>;
    Row& operator[](int ch) { return rows_[ch]; }
    const Row& operator[](int ch) const { return rows_[ch]; }
    bool operator==(const VerseCounts&) const = default;

private:
    std::vector<Row> rows_ = std::vector<Row>(MAX_CHAPTERS + 1, Row{});
};

// The five files of a bank, named from the style (level, list letter, Pct Prim FTV).
struct BankNames {
    std::string F3;          // regular questions
    std::string F4;          // FTV questions
    std::string F5;          // CV Ref questions
    std::string F6;          // CO Ref questions
    std::string count_file;  // the verse index
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
