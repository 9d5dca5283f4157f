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

namespace {

// Settings come from a style file; a verse outside the tables counts nothing.
bool in_tables(int CH, int V) { return CH >= 1 && CH <= CHAPTERS && V >= 1 && V <= VERSES; }

}  // namespace

void BCOUNT(BankTables& t, int CH, int V) {
    if (!in_tables(CH, V)) return;
    t.BEFORE += t.QCOUNT[CH][V];
    t.FBEFORE += t.FCOUNT[CH][V];
    t.SBEFORE += t.SCOUNT[CH][V];
    t.RBEFORE += t.RCOUNT[CH][V];
    t.OBEFORE += t.OCOUNT[CH][V];
}

void TCOUNT(BankTables& t, int CH, int V) {
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
    for (int CH = 1; CH < s.BCHAP && CH <= CHAPTERS; ++CH)
        for (int V = 1; V <= VERSES; ++V) BCOUNT(t, CH, V);
    for (int V = 1; V < s.BVER && V <= VERSES; ++V) BCOUNT(t, s.BCHAP, V);

    if (s.BCHAP == s.ECHAP) {
        for (int V = first_verse; V <= s.EVER && V <= VERSES; ++V) TCOUNT(t, s.BCHAP, V);
        return;
    }
    for (int V = first_verse; V <= VERSES; ++V) TCOUNT(t, s.BCHAP, V);
    for (int CH = std::max(s.BCHAP + 1, 1); CH < s.ECHAP && CH <= CHAPTERS; ++CH)
        for (int V = 1; V <= VERSES; ++V) TCOUNT(t, CH, V);
    for (int V = 1; V <= s.EVER && V <= VERSES; ++V) TCOUNT(t, s.ECHAP, V);
}

char CONVERT2(std::string& ALLTEMP) {
    if (ALLTEMP.size() < 2) return 'R';
    const std::string field = ALLTEMP.substr(0, 2);
    for (int chapter = 1; chapter <= 5; ++chapter) {
        if (field == std::to_string(JAMES_OFFSET + chapter)) {
            ALLTEMP[0] = ' ';
            ALLTEMP[1] = char('0' + chapter);
            return 'J';
        }
    }
    return 'R';
}

void FINTYPES(const QuestionFile& ftv, int FBEFORE, int SECTORS,
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
