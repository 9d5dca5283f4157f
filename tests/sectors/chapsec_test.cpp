#include <gtest/gtest.h>

#include "material.h"
#include "sectors/chapsec.h"
#include "sectors/sectoring.h"

using namespace tv;
using namespace tv::test;

namespace {

const int DOWN = ext(key::DOWN), UP = ext(key::UP);

// Runs CHAPSEC with the keys given; returns the key that accepted the table.
int chapsec(Material& m, Console& con) {
    m.done();
    return CHAPSEC(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
}

// Runs CHAPSEC until the keys run out; the screen stays for the test to read.
void chapsec_until_keys_run_out(Material& m, Console& con) {
    EXPECT_THROW(chapsec(m, con), ScriptExhausted);
}

}  // namespace

TEST(Chapsec, ProposesAnEvenAllocation) {
    Material m(1, 1, 3, 31, 7);
    ScriptFace face;
    Console con(face);
    con.normal();
    chapsec_until_keys_run_out(m, con);
    EXPECT_EQ(con.screen().line(3), "  Choose questions per chapter. Use zeros to group chapters.");
    EXPECT_EQ(con.screen().line(5), "  Rom.  1:   3");
    EXPECT_EQ(con.screen().line(6), "  Rom.  2:   2");
    EXPECT_EQ(con.screen().line(7), "  Rom.  3:   2");
    EXPECT_EQ(con.screen().col(), 13);
    EXPECT_EQ(con.screen().row(), 5);
}

TEST(Chapsec, ListsJamesAndTheSecondColumn) {
    // Romans 1 to James 5: 21 entries, 18-21 in the second column.
    Material m(1, 1, 21, 20, 30);
    ScriptFace face({UP});
    Console con(face);
    chapsec_until_keys_run_out(m, con);
    EXPECT_EQ(con.screen().line(5), "  Rom.  1:   2" + std::string(25, ' ') + "Jam.  2:   1");
    EXPECT_EQ(con.screen().line(20), "  Rom. 16:   1");
    EXPECT_EQ(con.screen().line(21), "  Jam.  1:   1");
    EXPECT_EQ(con.screen().text(8, 40, 12), "Jam.  5:   1");
    // Up from the first entry wraps to the last.
    EXPECT_EQ(con.screen().col(), 50);
    EXPECT_EQ(con.screen().row(), 8);
}

TEST(Chapsec, LevelLLeavesOutChaptersAndSkipsThemWhenMoving) {
    Material m(6, 1, 12, 21, 7);
    m.style.LG = 'L';
    ScriptFace face({DOWN, '0', UP, UP});
    Console con(face);
    chapsec_until_keys_run_out(m, con);
    EXPECT_EQ(con.screen().line(3), "  Choose questions per chapter.");
    EXPECT_EQ(con.screen().line(5), "  Rom.  6:   3");  // dealt 6, 8, 12, 6, 8, 12, 6
    EXPECT_EQ(con.screen().line(6), "");
    EXPECT_EQ(con.screen().line(7), "  Rom.  8:   1");  // a 0 becomes 1 at this level
    EXPECT_EQ(m.t.CS[8], 1);
    EXPECT_EQ(con.screen().line(8), "");
    EXPECT_EQ(con.screen().line(11), "  Rom. 12:   2");
    // Down from 6 lands on 8, up from 8 on 6, and up from 6 wraps to 12.
    EXPECT_EQ(con.screen().row(), 11);
}

TEST(Chapsec, ZerosGroupChaptersIntoSectorsOfEqualLength) {
    // Romans 1-3, counts 0, 0, 6: 92 verses in 6 sectors of 15, the last to 3:31.
    Material m(1, 1, 3, 31, 6);
    m.chapters(1, 3, 1);
    ScriptFace face({'0', DOWN, '0', DOWN, '6', DOWN, key::ENTER, 'x'});
    Console con(face);
    EXPECT_EQ(chapsec(m, con), 'x');
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 15, 15},
                                             {1, 16, 1, 30, 15},
                                             {1, 31, 2, 13, 15},
                                             {2, 14, 2, 28, 15},
                                             {2, 29, 3, 14, 15},
                                             {3, 15, 3, 31, 17}}));
    EXPECT_EQ(m.t.MINQZ, 15);
    EXPECT_EQ(column(m.t.TQPS, 6), column(m.t.QPS, 6));
    EXPECT_EQ(con.screen().line(3), "  Your smallest sector has 15 regular questions.");
    EXPECT_EQ(con.screen().line(8), "   1 R  1: 1  1:15  15   0   0   0   0    4 R  2:14  2:28  15   0   0   0   0");
    // The list file holds the table.
    const std::string list = m.dir.read("out.inf");
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 34);
    EXPECT_NE(list.find("   3 R  1:31  2:13  15"), std::string::npos);
}

TEST(Chapsec, CutsAChapterIntoRunsOfVerses) {
    struct Case { int bc, bv, ec, ev; std::vector<int> cs; std::vector<Span> sectors; };
    const Case cases[] = {
        // 1:10-2:29 with 2 and 1: L = (32 - 10) div 2 = 11 for the first.
        {1, 10, 2, 29, {2, 1}, {{1, 10, 1, 20, 0}, {1, 21, 1, 32, 0}, {2, 1, 2, 29, 0}}},
        // 1:10-1:32 with 2: the chapter is also the last, so L = 32 div 2 = 16.
        {1, 10, 1, 32, {2}, {{1, 10, 1, 25, 0}, {1, 26, 1, 32, 0}}},
        // Three even runs and a group carried over a chapter end.
        {4, 1, 6, 23, {3, 0, 2}, {{4, 1, 4, 8, 0}, {4, 9, 4, 16, 0}, {4, 17, 4, 25, 0},
                                  {5, 1, 6, 1, 0}, {6, 2, 6, 23, 0}}},
    };
    for (const Case& c : cases) {
        Material m(c.bc, c.bv, c.ec, c.ev, static_cast<int>(c.sectors.size()));
        for (size_t i = 0; i < c.cs.size(); ++i) m.t.CS[c.bc + i] = c.cs[i];
        cut_chapters(m.style, m.season, m.t);
        EXPECT_EQ(spans(m.t), c.sectors);
    }
}

TEST(Chapsec, ZeroOnTheLastEntryCountsAsOne) {
    Material m(1, 1, 2, 29, 3);  // proposal 2, 1
    m.chapters(1, 2, 1);
    ScriptFace face({DOWN, '0', UP, key::ENTER, 'x'});
    Console con(face);
    chapsec(m, con);
    EXPECT_EQ(m.t.CS[2], 1);
}

TEST(Chapsec, TwoDigitsMakeOneCount) {
    Material m(1, 1, 2, 29, 7);  // proposal 4, 3
    m.chapters(1, 2, 1);
    ScriptFace face({DOWN, '0', '5', UP, '2', DOWN, key::ENTER, 'x'});
    Console con(face);
    chapsec(m, con);
    EXPECT_EQ(m.t.CS[1], 2);
    EXPECT_EQ(m.t.CS[2], 5);
    EXPECT_EQ(m.t.SECTORS, 7);
}

TEST(Chapsec, AWrongTotalIsShownAndEditingGoesOn) {
    Material m(1, 1, 2, 29, 20);  // proposal 10, 10
    ScriptFace face({'9', key::ESC, 'a', DOWN, key::ENTER});
    Console con(face);
    chapsec_until_keys_run_out(m, con);
    EXPECT_EQ(con.screen().line(5), "  Rom.  1:   9");
    EXPECT_EQ(con.screen().text(20, 40, 41), "Your total is 19 questions" + std::string(15, ' '));
    EXPECT_EQ(con.screen().text(21, 40, 39), "Total questions must equal 20          ");
    EXPECT_EQ(con.screen().row(), 6);
}

TEST(Chapsec, EscAtTheTableShowsTheListWithTheLastCounts) {
    Material m(1, 1, 2, 29, 3);  // proposal 2, 1
    m.chapters(1, 2, 1);
    ScriptFace face({'1', DOWN, '2', UP, key::ENTER, key::ESC});
    Console con(face);
    chapsec_until_keys_run_out(m, con);
    EXPECT_EQ(con.screen().line(3), "  Choose questions per chapter. Use zeros to group chapters.");
    EXPECT_EQ(con.screen().line(5), "  Rom.  1:   1");
    EXPECT_EQ(con.screen().line(6), "  Rom.  2:   2");
    EXPECT_FALSE(m.dir.exists("out.inf"));
}

TEST(Chapsec, MoreChaptersThanQuestionsRaisesTheSectorsForTheRestOfTheRun) {
    Material m(1, 1, 5, 21, 3);
    m.chapters(1, 5, 1);
    m.style.SEC1 = 'C';
    m.style.QNUM = 10;
    m.done();
    {
        ScriptFace face;
        Console con(face);
        EXPECT_THROW(CHAPSEC(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), ScriptExhausted);
        EXPECT_NE(face.last_screen.find("\n  We must reset the questions per packet to sector 5 chapters.\n"),
                  std::string::npos);
    }
    {
        // After Enter, one sector per chapter is proposed.
        ScriptFace face({key::ENTER});
        Console con(face);
        EXPECT_THROW(CHAPSEC(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), ScriptExhausted);
        EXPECT_EQ(con.screen().line(9), "  Rom.  5:   1");
        EXPECT_EQ(m.t.SECTORS, 5);
    }

    // The whole sectoring step: every quiz has one position per sector.
    ScriptFace face2({key::ENTER, key::ENTER, 'x'});
    Console con2(face2);
    RepeatPoints rp;
    sector_material(con2, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, rp);
    EXPECT_EQ(m.t.SECTORS, 5);
    EXPECT_EQ(m.t.SECTORS2, 5);
    EXPECT_EQ(column(m.t.TQPS, 5), (std::vector<int>{32, 29, 31, 25, 21}));
    EXPECT_EQ(m.t.MINQZ, 21);
}

TEST(Chapsec, MoreSectorsThanVersesGiveEmptySectorsAndTheRunIsAbandoned) {
    // James 4 has 17 verses: 20 sectors leave the first three without a verse.
    Material m(20, 1, 20, 17, 20);
    m.chapters(20, 21, 2);
    m.style.SEC1 = 'C';
    ScriptFace face({key::ENTER, 'x'});
    Console con(face);
    m.done();
    RepeatPoints rp;
    EXPECT_THROW(sector_material(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t, rp), RunAbandoned);
    EXPECT_EQ(m.t.MINQZ, 0);
    std::vector<Span> expected(3, Span{20, 1, 20, 0, 0});
    for (int v = 1; v <= 17; ++v) expected.push_back({20, v, 20, v, 2});
    EXPECT_EQ(spans(m.t), expected);
}

TEST(Chapsec, ASectorReachingPastTheEndOfTheMaterialCountsOnlyTheMaterial) {
    // 8:30-8:39 in 2 sectors: L = 39 div 2 would make sector 1 run to 8:48; it
    // stops at 8:39 and sector 2 holds no verse. Chapter 9 does not count.
    Material m(8, 30, 8, 39, 2);
    m.chapters(8, 9, 1);
    m.t.CS[8] = 2;
    m.done();
    cut_chapters(m.style, m.season, m.t);
    count_chapter_sectors(m.files(), COUNT_FILE, m.style, m.season, m.t);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{8, 30, 8, 39, 10}, {8, 40, 8, 39, 0}}));
}
