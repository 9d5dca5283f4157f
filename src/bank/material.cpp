// Names of the bank's files, the totals of a run's material, and the readers that
// turn a question line into what a quiz needs (book letter, FTV type).
#include <algorithm>
#include <cstdlib>

#include "bank/bank.h"

namespace tv {

BankNames bank_names(const Style& s) {
    const std::string prefix = s.LG == 'L' ? "LL" : "";
    // The two digits of Pct Prim FTV: tens then units, so 100 gives "00".
    const int p = std::abs(s.PRIMPCT);
    const std::string digits{char('0' + p / 10 % 10), char('0' + p % 10)};
    const std::string list(1, s.REGLST);
    const bool list_c = s.REGLST == 'C' || s.REGLST == 'c';
    return BankNames{
        prefix + "RJ." + list,
        prefix + "FTV." + digits,
        prefix + (list_c ? "cv.c" : "cv.b"),
        prefix + (list_c ? "co.c" : "co.b"),
        prefix + "count." + digits + list,
    };
}

std::string setting_choosing(const Style& s, const std::string& file) {
    const BankNames n = bank_names(s);
    const std::string level = s.LG == 'L' ? " at level L" : "";
    if (file == n.F4) return "Pct Prim FTV " + std::to_string(s.PRIMPCT) + level;
    if (file == n.F3 || file == n.F5 || file == n.F6)
        return std::string("Reg (a/b/c) ") + s.REGLST + level;
    return "";
}

void add_to_before_counts(BankTables& t, int CH, int V) {
    if (!in_tables(CH, V)) return;
    t.BEFORE += t.QCOUNT[CH][V];
    t.FBEFORE += t.FCOUNT[CH][V];
    t.SBEFORE += t.SCOUNT[CH][V];
    t.RBEFORE += t.RCOUNT[CH][V];
    t.OBEFORE += t.OCOUNT[CH][V];
}

void add_to_material_totals(BankTables& t, int CH, int V) {
    if (!in_tables(CH, V)) return;
    t.TQUEST += t.QCOUNT[CH][V];
    t.FQUEST += t.FCOUNT[CH][V];
    t.RQUEST += t.RCOUNT[CH][V];
    t.OQUEST += t.OCOUNT[CH][V];
    t.SQUEST += t.SCOUNT[CH][V];
}

void count_material(const Style& s, BankTables& t) {
    t.SQUEST = t.SBEFORE = t.BEFORE = t.FBEFORE = t.RBEFORE = t.OBEFORE = 0;
    t.TQUEST = t.FQUEST = t.RQUEST = t.OQUEST = 0;

    // The loops start inside the tables: a hand-edited style may begin the material
    // at a chapter or verse far below 1, which counts nothing there.
    const int first_verse = std::max(s.BVER, 1);
    for (int CH = 1; CH < s.BCHAP && CH <= MAX_CHAPTERS; ++CH)
        for (int V = 1; V <= MAX_VERSES; ++V) add_to_before_counts(t, CH, V);
    for (int V = 1; V < s.BVER && V <= MAX_VERSES; ++V) add_to_before_counts(t, s.BCHAP, V);

    if (s.BCHAP == s.ECHAP) {
        for (int V = first_verse; V <= s.EVER && V <= MAX_VERSES; ++V)
            add_to_material_totals(t, s.BCHAP, V);
        return;
    }
    for (int V = first_verse; V <= MAX_VERSES; ++V) add_to_material_totals(t, s.BCHAP, V);
    for (int CH = std::max(s.BCHAP + 1, 1); CH < s.ECHAP && CH <= MAX_CHAPTERS; ++CH)
        for (int V = 1; V <= MAX_VERSES; ++V) add_to_material_totals(t, CH, V);
    for (int V = 1; V <= s.EVER && V <= MAX_VERSES; ++V) add_to_material_totals(t, s.ECHAP, V);
}

char to_book_chapter(std::string& ALLTEMP, const Season& season) {
    const char first = season.books.front().letter;
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (ALLTEMP.size() < 2 || !(ALLTEMP[0] == ' ' || digit(ALLTEMP[0])) || !digit(ALLTEMP[1]))
        return first;
    const int ch = (ALLTEMP[0] == ' ' ? 0 : (ALLTEMP[0] - '0') * 10) + (ALLTEMP[1] - '0');
    if (ch < 1 || ch > season.chapters() || season.book_of(ch).offset == 0) return first;
    const std::string within = std::to_string(season.within(ch));
    ALLTEMP.replace(0, 2, within.size() < 2 ? " " + within : within);
    return season.book_of(ch).letter;
}

void read_ftv_kinds(const QuestionFile& ftv, int FBEFORE, int SECTORS,
                    const std::array<int, MAX_SECTORS + 1>& TFPS, BankTables& t) {
    for (auto& types : t.FTYPE) types.clear();
    int k = FBEFORE;  // lines passed over so far
    for (int s = 1; s <= std::min(SECTORS, MAX_SECTORS); ++s) {
        const int count = std::max(TFPS[s], 0);
        t.FTYPE[s].assign(count + 1, ' ');
        for (int n = 1; n <= count; ++n) {
            const std::string line = ftv.line(++k);
            char type = line.size() >= 9 ? line[8] : ' ';
            if (type == 'V' && line.size() >= 10 && line[9] == 'R') type = 'R';
            t.FTYPE[s][n] = type;
        }
    }
}

}  // namespace tv
