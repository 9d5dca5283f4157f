// A question bank made up for a test: per-verse counts, the material of a style,
// the verse count file written from the counts, and the material's totals.
#pragma once
#include <string>

#include "bank/season.h"
#include "bank/tables.h"
#include "console/console.h"
#include "driver/run_screens.h"
#include "style/style.h"
#include "sectors/sector_tables.h"
#include "support/support.h"

namespace tv::test {

inline const std::string COUNT_FILE = "count.00A";

// The run's screens over a key script: what sectoring reports and asks shows on `con`.
struct Screens {
    explicit Screens(std::vector<int> keys = {}) : face(std::move(keys)) {}
    ScriptFace face;
    Console con{face};
    int RSET = 4;
    RunScreens report{con, RSET};
};

struct Material {
    TempDir dir;
    BankTables bank;
    Style style;
    Season season = default_season();
    SectorTables t;

    Material(int bchap, int bver, int echap, int ever, int sectors) {
        style.BCHAP = bchap, style.BVER = bver, style.ECHAP = echap, style.EVER = ever;
        style.QMAX = sectors;
        style.NAME4 = "out";
        t.SECTORS = sectors;
    }
    // Counts of one verse: regular, FTV, CV Ref, CO Ref, SIT.
    Material& verse(int ch, int v, int q, int f = 0, int r = 0, int o = 0, int s = 0) {
        bank.QCOUNT[ch][v] = q, bank.FCOUNT[ch][v] = f, bank.RCOUNT[ch][v] = r;
        bank.OCOUNT[ch][v] = o, bank.SCOUNT[ch][v] = s;
        return *this;
    }
    // Every verse of chapters a..b gets q regular questions.
    Material& chapters(int a, int b, int q) {
        for (int ch = a; ch <= b; ++ch)
            for (int v = 1; v <= VERSE_COUNT[ch]; ++v) bank.QCOUNT[ch][v] = q;
        return *this;
    }
    // Writes the 945-line count file and computes the totals of the material.
    void done() {
        const VerseCounts* counts[] = {&bank.QCOUNT, &bank.FCOUNT, &bank.RCOUNT, &bank.OCOUNT, &bank.SCOUNT};
        int* totals[] = {&bank.TQUEST, &bank.FQUEST, &bank.RQUEST, &bank.OQUEST, &bank.SQUEST};
        for (int* n : totals) *n = 0;
        std::string text;
        for (int ch = 1; ch <= CHAPTERS; ++ch)
            for (int v = 1; v <= VERSES; ++v) {
                text += std::to_string(ch) + " " + std::to_string(v);
                const bool inside = (ch > style.BCHAP || (ch == style.BCHAP && v >= style.BVER)) &&
                                    (ch < style.ECHAP || (ch == style.ECHAP && v <= style.EVER));
                for (int k = 0; k < 5; ++k) {
                    text += " " + std::to_string((*counts[k])[ch][v]);
                    *totals[k] += inside ? (*counts[k])[ch][v] : 0;
                }
                text += "\n";
            }
        dir.write(COUNT_FILE, text);
    }
    Files files() const { return dir.files(); }
};

// A sector as first and last chapter:verse with its regular count.
struct Span {
    int bc, bv, ec, ev, q;
    bool operator==(const Span&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const Span& s) {
    return o << s.bc << ":" << s.bv << "-" << s.ec << ":" << s.ev << " (" << s.q << ")";
}
inline std::vector<Span> spans(const SectorTables& t) {
    std::vector<Span> out;
    for (int s = 1; s <= t.SECTORS; ++s) out.push_back({t.BC[s], t.BV[s], t.EC[s], t.EV[s], t.QPS[s]});
    return out;
}
inline std::vector<int> column(const SectorRow& row, int n) { return std::vector<int>(row.begin() + 1, row.begin() + n + 1); }

}  // namespace tv::test
