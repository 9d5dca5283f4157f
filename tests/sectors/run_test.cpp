#include <gtest/gtest.h>

#include "material.h"
#include "sectors/display.h"
#include "sectors/sectoring.h"

using namespace tv;
using namespace tv::test;

namespace {

void run(Material& m, Screens& s) {
    RepeatPoints rp;
    m.done();
    sector_material(s.report, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, rp);
}

}  // namespace

TEST(SectorChecks, QuestionsPerQuizThatCannotBeSectoredAreRefused) {
    for (int qmax : {0, 1, 2, 30, 31}) {
        SCOPED_TRACE(qmax);
        Material m(1, 1, 1, 32, qmax);
        m.chapters(1, 1, 1).done();
        Screens s({key::ENTER});
        if (qmax == 2 || qmax == 30) {
            EXPECT_NO_THROW(check_material(s.report, m.bank, m.t));
            continue;
        }
        EXPECT_THROW(run(m, s), RunAbandoned);
        EXPECT_EQ(s.con.screen().line(3), "  A quiz of " + std::to_string(qmax) + " questions cannot be sectored.");
        EXPECT_EQ(s.face.left(), 0u);
    }
    Material exact(1, 1, 1, 32, 30);  // as many regular questions as sectors: enough
    exact.chapters(1, 1, 1).done();
    exact.bank.TQUEST = 30;
    Screens s({key::ENTER});
    EXPECT_NO_THROW(check_material(s.report, exact.bank, exact.t));
}

TEST(FollowUp, AnEmptySectorAbandonsTheRunAfterTheTable) {
    Material m(1, 1, 3, 1, 2);
    m.verse(1, 1, 5).verse(3, 1, 1);
    m.style.SEC1 = 'V';
    Screens s({'k'});
    EXPECT_THROW(run(m, s), RunAbandoned);
    EXPECT_EQ(s.con.screen().line(9), "   1 R  1: 1  1: 1   5   0   0   0   0    2 R  2: 1  3: 1   1   0   0   0   0");
}

// The totals under the sector table count every sector, the last one too: a
// specialty found only there is not taken for one without questions.
TEST(SectorTable, TotalsCountEverySector) {
    Style st;
    st.BCHAP = st.BVER = st.ECHAP = 1, st.EVER = 10;
    SectorTables t;
    t.SECTORS = 3;
    for (int s = 1; s <= 3; ++s) t.BC[s] = t.EC[s] = 1, t.BV[s] = t.EV[s] = 3 * s, t.QPS[s] = 2;
    t.FPS[3] = 4, t.RPS[3] = 1, t.OPS[3] = 2, t.SPS[3] = 3;
    BankTables bank;
    bank.FQUEST = 99;
    settle_sectors(st, bank, t);
    EXPECT_EQ(std::tuple(bank.RQUEST, bank.FQUEST, bank.OQUEST, bank.SQUEST), std::tuple(1, 4, 2, 3));
}
