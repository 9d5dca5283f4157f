#include <gtest/gtest.h>

#include "material.h"
#include "sectors/sectoring.h"

using namespace tv;
using namespace tv::test;

namespace {

void run(Material& m, Console& con, RepeatPoints& rp) {
    m.done();
    sector_material(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, rp);
}

void run(Material& m, Console& con) {
    RepeatPoints rp;
    run(m, con, rp);
}

// Ten verses of one question in three sectors: by verse 3, 3 and 4.
struct TenVerses : Material {
    TenVerses(char SEC1, int QNUM) : Material(1, 1, 1, 10, 3) {
        for (int v = 1; v <= 10; ++v) verse(1, v, 1, v % 2);
        style.SEC1 = SEC1;
        style.QNUM = QNUM;
    }
};

}  // namespace

TEST(Checks, TooFewRegularQuestionsAbandonTheRun) {
    Material m(1, 1, 1, 19, 20);
    m.chapters(1, 1, 1);
    m.verse(1, 20, 0).verse(1, 21, 0);
    ScriptFace face({key::ENTER});
    Console con(face);
    EXPECT_THROW(run(m, con), RunAbandoned);
    EXPECT_EQ(con.screen().line(3), "  There are only 19 regular questions in this material.");
    EXPECT_EQ(con.screen().line(4), "");
    EXPECT_EQ(con.screen().line(5), "  Change Questions per packet to 19 or less.");
}

TEST(Checks, AsManyRegularQuestionsAsSectorsProceed) {
    Material m(1, 1, 1, 20, 20);
    m.chapters(1, 1, 1);
    m.verse(1, 3, 1, 2, 3, 4, 5);
    m.done();
    ScriptFace face;
    Console con(face);
    con.clr();
    check_material(con, m.bank, m.t);
    EXPECT_EQ(con.screen().line(3), "  A quiz will contain one question from each sector.");
    EXPECT_EQ(con.screen().line(4), "  Regular Questions: 20   FTV: 2   CV Refs: 3   CO Refs: 4   SIT: 5");
    EXPECT_EQ(con.screen().row(), 5);
}

TEST(Checks, QuestionsPerQuizThatCannotBeSectoredAreRefused) {
    for (int qmax : {0, 1, 31}) {
        SCOPED_TRACE(qmax);
        Material m(1, 1, 1, 32, qmax);
        m.chapters(1, 1, 1);
        ScriptFace face({key::ENTER});
        Console con(face);
        EXPECT_THROW(run(m, con), RunAbandoned);
        EXPECT_EQ(con.screen().line(3), "  A quiz of " + std::to_string(qmax) + " questions cannot be sectored.");
        EXPECT_EQ(con.screen().line(5), "  Change Questions per packet to a number from 2 to 30.");
        EXPECT_EQ(face.left(), 0u);
    }
}

TEST(Checks, RepeatPointsAreKeptWhenTheirMaximumIs0) {
    BankTables bank;
    bank.FQUEST = 50, bank.RQUEST = 31, bank.OQUEST = 9, bank.SQUEST = 7;
    Style st;
    st.FMAX = 2, st.RMAX = 3, st.OMAX = 0, st.SMAX = 2;
    RepeatPoints rp{1, 2, 3, 4};
    compute_repeat_points(st, bank, rp);
    EXPECT_EQ(rp.FQUIZ, 20);  // (200 div 2) div 5
    EXPECT_EQ(rp.RQUIZ, 10);
    EXPECT_EQ(rp.OQUIZ, 3);   // kept from an earlier run
    EXPECT_EQ(rp.SQUIZ, 3);
}

TEST(FollowUp, EscAtTheTableAbandonsTheRun) {
    for (std::vector<int> keys : {std::vector<int>{key::ESC}, std::vector<int>{191, key::ESC}}) {
        TenVerses m('V', 10);
        ScriptFace face(keys);
        Console con(face);
        EXPECT_THROW(run(m, con), RunAbandoned);
        EXPECT_EQ(con.screen().line(9), "   1 R  1: 1  1: 3   3   2   0   0   0    3 R  1: 7  1:10   4   2   0   0   0");
    }
}

TEST(FollowUp, RepeatWarningAndResectoring) {
    TenVerses m('V', 10);
    ScriptFace face({'k', 'y', key::ENTER, key::BACKSPACE, 'z'});
    Console con(face);
    m.done();
    sector_by_verse(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
    sector_followup(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, con.read_key());
    EXPECT_EQ(face.left(), 0u);
    EXPECT_EQ(con.screen().line(3), "  Regular question repeats will begin after quiz 3");
    EXPECT_EQ(con.screen().line(4), "  Do you wish to resector? y");
    EXPECT_EQ(con.screen().line(6), "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--");
    EXPECT_TRUE(m.t.RES);
    EXPECT_EQ(m.t.MINQZ, 3);
}

TEST(FollowUp, DecliningKeepsTheVerseSectors) {
    TenVerses m('V', 10);
    ScriptFace face({'n', key::ENTER});
    Console con(face);
    m.done();
    sector_by_verse(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
    const auto before = spans(m.t);
    sector_followup(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, 'k');
    EXPECT_EQ(face.left(), 0u);
    EXPECT_EQ(con.screen().line(4), "  Do you wish to resector? n");
    EXPECT_FALSE(m.t.RES);
    EXPECT_EQ(spans(m.t), before);
}

TEST(FollowUp, TheWarningComesOnlyBeforeQuiz12AndBeforeTheLastQuiz) {
    struct Case { int MINQZ, QNUM; bool RES, warned, asked; };
    const Case cases[] = {
        {11, 12, false, true, true}, {12, 30, false, false, false}, {5, 5, false, false, false},
        {4, 5, false, true, true},   {4, 5, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.MINQZ) + " of " + std::to_string(c.QNUM));
        Material m(1, 1, 1, 10, 3);
        m.style.QNUM = c.QNUM;
        m.t.MINQZ = c.MINQZ;
        m.t.RES = c.RES;
        ScriptFace face;
        Console con(face);
        con.write_at(1, 10, "the sector table");
        if (c.asked)
            EXPECT_THROW(sector_followup(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, 'k'), ScriptExhausted);
        else
            sector_followup(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, 'k');
        EXPECT_EQ(con.screen().line(3) == "  Regular question repeats will begin after quiz " + std::to_string(c.MINQZ),
                  c.warned);
        EXPECT_EQ(con.screen().line(10).empty(), c.warned);
    }
}

TEST(FollowUp, AnEmptySectorAbandonsTheRunAfterTheTable) {
    Material m(1, 1, 3, 1, 2);
    m.verse(1, 1, 5).verse(3, 1, 1);
    m.style.SEC1 = 'V';
    ScriptFace face({'k'});
    Console con(face);
    EXPECT_THROW(run(m, con), RunAbandoned);
    EXPECT_EQ(con.screen().line(9), "   1 R  1: 1  1: 1   5   0   0   0   0    2 R  2: 1  3: 1   1   0   0   0   0");
}

TEST(SectorMaterial, ByQuestionLeavesTheKeyForTheNextPromptAndFillsTheTotals) {
    TenVerses m('Q', 30);
    ScriptFace face({key::ENTER, 'x'});
    Console con(face);
    RepeatPoints rp{5, 5, 5, 5};
    m.style.FMAX = 1;
    run(m, con, rp);
    EXPECT_EQ(rp.FQUIZ, 4);  // (5 x 4 div 1) div 5
    EXPECT_EQ(rp.RQUIZ, 5);
    EXPECT_TRUE(m.t.RES);
    EXPECT_EQ(m.t.SECTORS2, 3);
    EXPECT_EQ(column(m.t.TQPS, 3), (std::vector<int>{3, 3, 4}));
    EXPECT_EQ(column(m.t.TFPS, 3), column(m.t.FPS, 3));
    EXPECT_EQ(m.t.TFPS[1] + m.t.TFPS[2] + m.t.TFPS[3], 5);
    EXPECT_EQ(con.read_key(), 'x');
    // The work area is cleared for what follows.
    for (int r = 2; r <= 24; ++r) EXPECT_EQ(con.screen().line(r), "") << r;
}

TEST(RepeatSector, AnnouncesLogsAndFreesTheSectors) {
    TempDir dir;
    TextWriter log = dir.files().create("temp.txt");
    ScriptFace face;
    Console con(face);
    con.write_at(1, 10, "an earlier message");
    con.write_at(1, 12, "0123456789");
    std::array<int, 32> FLAG{};
    FLAG[0] = 0;

    int RSET = 12;
    REPEATSECTOR(con, RSET, 7, 6, &log, FLAG);
    EXPECT_EQ(RSET, 12);
    EXPECT_EQ(con.screen().line(12), "01  Sectors or questions will be repeated in quiz 7");
    EXPECT_EQ(con.screen().line(10), "an earlier message");

    RSET = 24;
    REPEATSECTOR(con, RSET, 8, 6, &log, FLAG);
    EXPECT_EQ(RSET, 5);
    EXPECT_EQ(con.screen().line(5), "    Sectors or questions will be repeated in quiz 8");
    EXPECT_EQ(con.screen().line(10), "");

    log.close();
    EXPECT_EQ(dir.read("temp.txt"), "Sectors or Questions repeated in quiz 7\nSectors or Questions repeated in quiz 8\n");
    EXPECT_EQ(std::vector<int>(FLAG.begin(), FLAG.begin() + 9), (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 0, 0}));
}
