#include <gtest/gtest.h>

#include "material.h"
#include "sectors/chapsec.h"

using namespace tv;
using namespace tv::test;

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

// Level L leaves 7 out of the list but not 4 (before its chapters); a label is 3 characters.
TEST(Chapsec, TheListShowsTheChaptersOfTheMaterial) {
    for (const auto& [LG, book, rows] : {std::tuple{'L', "Romans", "Rom.  4:        "},
                                         std::tuple{'F', "\u00c9ph\u00e9siens", "\u00c9ph.  4:\u00c9ph.  7:"}}) {
        Material m(4, 1, 8, 39, 5);
        m.style.LG = LG, m.season.books[0].name = book;
        m.chapters(4, 8, 1).done();
        ScriptFace face;  // no key: the list is on the screen when the script runs dry
        Console con{face};
        EXPECT_THROW(CHAPSEC(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), ScriptExhausted);
        EXPECT_EQ(con.screen().text(5, 3, 8) + con.screen().text(8, 3, 8), rows);
    }
}

// Esc on the allocation list, also during a count, stops the run; the key line says so.
TEST(Chapsec, EscOnTheListStopsTheRun) {
    for (const std::vector<int>& keys : {std::vector<int>{key::ESC}, {'5', key::ESC}}) {
        Material m(1, 1, 3, 31, 6);
        m.chapters(1, 3, 1).done();
        ScriptFace face(keys);
        Console con(face);
        EXPECT_THROW(CHAPSEC(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), RunAbandoned);
        EXPECT_NE(con.screen().line(25).find("Esc Stop the run"), std::string::npos);
    }
}
