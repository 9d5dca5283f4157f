// TO BE REMOVED when the question bank joins the program (it defines these two
// functions in src/bank). Until then the names follow the bank's naming rules and
// the verse index is only loaded, never built: the count file must exist.
#include "bank/bank.h"

namespace tv {

BankNames bank_names(const Style& s) {
    const int pct = s.PRIMPCT % 100;
    const std::string digits{static_cast<char>('0' + pct / 10), static_cast<char>('0' + pct % 10)};
    const std::string prefix = s.LG == 'L' ? "LL" : "";
    const bool list_c = s.REGLST == 'C' || s.REGLST == 'c';
    BankNames n;
    n.F3 = prefix + "RJ." + s.REGLST;
    n.F4 = prefix + "FTV." + digits;
    n.F5 = prefix + (list_c ? "cv.c" : "cv.b");
    n.F6 = prefix + (list_c ? "co.c" : "co.b");
    n.F11 = prefix + "count." + digits + s.REGLST;
    return n;
}

void index_material(Console& con, const Files& files, const Style& s, const BankNames& names,
                    BankTables& bank, const std::string&) {
    con.go(3, 3);
    con.write("Sectoring material...");
    con.clear_eol();
    TextReader in = files.read(names.F11);
    for (VerseCounts* t : {&bank.QCOUNT, &bank.FCOUNT, &bank.RCOUNT, &bank.OCOUNT, &bank.SCOUNT})
        *t = VerseCounts{};
    for (int entry = 1; entry <= CHAPTERS * VERSES; ++entry) {
        long ch = in.read_int(), vs = in.read_int();
        long q = in.read_int(), f = in.read_int(), r = in.read_int(), o = in.read_int(),
             sit = in.read_int();
        if (ch < 1 || ch > CHAPTERS || vs < 1 || vs > VERSES)
            throw IoError("read", names.F11, "chapter or verse out of range", in.line_no());
        bank.QCOUNT[ch][vs] = static_cast<int>(q & 255);
        bank.FCOUNT[ch][vs] = static_cast<int>(f & 255);
        bank.RCOUNT[ch][vs] = static_cast<int>(r & 255);
        bank.OCOUNT[ch][vs] = static_cast<int>(o & 255);
        bank.SCOUNT[ch][vs] = static_cast<int>(sit & 255);
    }
    bank.TQUEST = bank.FQUEST = bank.RQUEST = bank.OQUEST = bank.SQUEST = 0;
    bank.BEFORE = bank.FBEFORE = bank.RBEFORE = bank.OBEFORE = bank.SBEFORE = 0;
    for (int ch = 1; ch <= CHAPTERS; ++ch)
        for (int vs = 1; vs <= VERSES; ++vs) {
            const bool before = ch < s.BCHAP || (ch == s.BCHAP && vs < s.BVER);
            const bool after = ch > s.ECHAP || (ch == s.ECHAP && vs > s.EVER);
            if (before) {
                bank.BEFORE += bank.QCOUNT[ch][vs];
                bank.FBEFORE += bank.FCOUNT[ch][vs];
                bank.RBEFORE += bank.RCOUNT[ch][vs];
                bank.OBEFORE += bank.OCOUNT[ch][vs];
                bank.SBEFORE += bank.SCOUNT[ch][vs];
            } else if (!after) {
                bank.TQUEST += bank.QCOUNT[ch][vs];
                bank.FQUEST += bank.FCOUNT[ch][vs];
                bank.RQUEST += bank.RCOUNT[ch][vs];
                bank.OQUEST += bank.OCOUNT[ch][vs];
                bank.SQUEST += bank.SCOUNT[ch][vs];
            }
        }
}

}  // namespace tv
