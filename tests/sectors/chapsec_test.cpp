#include <gtest/gtest.h>

#include "material.h"
#include "sectors/chapsec.h"
#include "sectors/sectoring.h"

using namespace tv;
using namespace tv::test;

namespace {

const int DOWN = ext(key::DOWN), UP = ext(key::UP);

}  // namespace

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
    // 8:30-8:39 in 2 sectors: L = 39 div 2 makes sector 1 run to 8:48; the
    // questions of chapter 9 do not count.
    Material m(8, 30, 8, 39, 2);
    m.chapters(8, 9, 1);
    m.t.CS[8] = 2;
    m.done();
    cut_chapters(m.style, m.season, m.t);
    count_chapter_sectors(m.files(), COUNT_FILE, m.style, m.season, m.t);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{8, 30, 8, 39, 10}, {8, 40, 8, 39, 0}}));
}
