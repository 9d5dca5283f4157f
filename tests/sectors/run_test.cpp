#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "material.h"
#include "sectors/display.h"
#include "sectors/screens.h"
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
    exact.bank.TQUEST = 1;  // fewer: only a wider material helps
    Screens few({key::ENTER});
    EXPECT_THROW(check_material(few.report, exact.bank, exact.t), RunAbandoned);
    EXPECT_EQ(few.con.screen().line(3), "  Choose a wider material: a quiz needs at least 2 questions.");
}

// Each specialty repeats after its questions in the material over its most per quiz (FTV
// after four fifths of that).
TEST(RepeatPoints, EachSpecialtyRepeatsAfterItsSupplyOverItsMost) {
    BankTables bank;
    bank.FQUEST = 10, bank.SQUEST = 6, bank.OQUEST = 7, bank.RQUEST = 9;
    const std::pair<int, std::array<int, 4>> rows[] = {{1, {8, 6, 7, 9}}, {2, {4, 3, 3, 4}}};
    for (const auto& [most, quizzes] : rows) {
        Style st;
        st.FMAX = st.SMAX = st.OMAX = st.RMAX = most;
        RepeatPoints rp;
        compute_repeat_points(st, bank, rp);
        EXPECT_EQ((std::array{rp.FQUIZ, rp.SQUIZ, rp.OQUIZ, rp.RQUIZ}), quizzes) << most;
    }
}

TEST(FollowUp, AnEmptySectorAbandonsTheRunAfterTheTable) {
    Material m(1, 1, 3, 1, 2);
    m.verse(1, 1, 5).verse(3, 1, 1);
    m.style.SEC1 = 'V';
    Screens s({'k'});
    EXPECT_THROW(run(m, s), RunAbandoned);
    EXPECT_EQ(s.con.screen().line(9), "   1 R  1: 1  1: 1   5   0   0   0   0    2 R  2: 1  3: 1   1   0   0   0   0");
}

// Only sectors of fewer than 12 questions, in quizzes of more, ask about early repeats.
TEST(FollowUp, EarlyRepeatsAreAskedAboutBelowTwelveQuestionsASector) {
    for (int per_sector : {11, 12}) {
        Material m(1, 1, 1, 32, 2);
        m.done();
        m.style.QNUM = 20, m.t.MINQZ = per_sector;
        Screens s;  // no key: a question asked ends the script
        const auto follow_up = [&] { sector_followup(s.report, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, false); };
        EXPECT_EQ(error_of<ScriptExhausted>(follow_up) != "no error", per_sector < 12);
    }
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

// A sector left without verses is named below the table, the 30th too.
TEST(SectorTable, TheThirtiethSectorWithoutVersesIsNamed) {
    SectorTables t;
    t.SECTORS = 30;
    // Romans 2 has 29 verses: sector 30 begins after its end.
    for (int s = 1; s <= 30; ++s) t.BC[s] = t.EC[s] = 2, t.BV[s] = s, t.EV[s] = std::min(s, 29);
    Screens screens({'x'});
    EXPECT_TRUE(review_chapter_sectors(screens.con, default_season(), t));
    EXPECT_NE(screens.con.screen().line(4).find("2 runs out of verses"), std::string::npos) << screens.con.screen().line(4);
}
