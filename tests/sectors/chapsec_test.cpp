#include <gtest/gtest.h>

#include "material.h"
#include "sectors/chapsec.h"

using namespace tv;
using namespace tv::test;

// The worked examples of chapter cutting (docs/how-it-works.md 5.4), one question a
// verse so that each sector counts its verses. 8:30-8:39 in 2 sectors: L = 39 div 2
// makes sector 1 run to 8:48, but the questions of chapter 9 do not count.
TEST(ByChapter, TheWorkedExamplesOfTheCut) {
    // The material's begin and end, the counts per chapter from the first, the sectors.
    const std::tuple<int, int, int, int, std::vector<int>, std::vector<Span>> rows[] = {
        {1, 10, 2, 29, {2, 1}, {{1, 10, 1, 20, 11}, {1, 21, 1, 32, 12}, {2, 1, 2, 29, 29}}},
        {1, 1, 3, 31, {0, 0, 6},
            {{1, 1, 1, 15, 15}, {1, 16, 1, 30, 15}, {1, 31, 2, 13, 15}, {2, 14, 2, 28, 15}, {2, 29, 3, 14, 15},
                {3, 15, 3, 31, 17}}},
        {8, 30, 8, 39, {2}, {{8, 30, 8, 39, 10}, {8, 40, 8, 39, 0}}},
        {1, 1, 2, 29, {1, 2}, {{1, 1, 1, 32, 32}, {2, 1, 2, 14, 14}, {2, 15, 2, 29, 15}}},
        {1, 1, 2, 29, {2, 1}, {{1, 1, 1, 16, 16}, {1, 17, 1, 32, 16}, {2, 1, 2, 29, 29}}},
        {1, 1, 3, 31, {0, 2, 1}, {{1, 1, 1, 30, 30}, {1, 31, 2, 29, 31}, {3, 1, 3, 31, 31}}}};
    for (const auto& [bchap, bver, echap, ever, counts, sectors] : rows) {
        Material m(bchap, bver, echap, ever, static_cast<int>(sectors.size()));
        m.chapters(bchap, echap + 1, 1).done();
        for (size_t i = 0; i < counts.size(); ++i) m.t.CS[bchap + static_cast<int>(i)] = counts[i];
        cut_chapters(m.style, m.season, m.t);
        count_chapter_sectors(m.files(), COUNT_FILE, m.style, m.season, m.t);
        EXPECT_EQ(spans(m.t), sectors);
    }
}

// Level L leaves 7 out of the list but not 4 (before its chapters); a label is 3 characters.
// The sectors are proposed over the chapters listed, the last one left out.
TEST(ByChapter, TheListShowsTheChaptersOfTheMaterial) {
    for (const auto& [LG, book, rows] :
        {std::tuple{'L', "Romans", "Rom.  4:        "}, std::tuple{'F', "\u00c9ph\u00e9siens", "\u00c9ph.  4:\u00c9ph.  7:"}}) {
        Material m(4, 1, 7, 25, 5);
        m.style.LG = LG, m.season.books[0].name = book;
        m.chapters(4, 8, 1).done();
        Screens s;  // no key: the list is on the screen when the script runs dry
        EXPECT_THROW(sector_by_chapter(s.report, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), ScriptExhausted);
        EXPECT_EQ(s.con.screen().text(5, 3, 8) + s.con.screen().text(8, 3, 8), rows);
        EXPECT_EQ(std::tuple(m.t.CS[4], m.t.CS[7], m.t.CS[4] + m.t.CS[5] + m.t.CS[6] + m.t.CS[7]), std::tuple(2, LG == 'F', 5));
    }
}

// The list fills rows 5-21 of the left column; the 18th chapter starts the right one.
// A letter typed there is no count; Up from the second entry goes to the first.
TEST(ByChapter, TheEighteenthChapterStartsTheSecondColumn) {
    Material m(1, 1, 21, 20, 30);
    m.chapters(1, 21, 1).done();
    Screens s({'a', key::EXT + key::DOWN, key::EXT + key::UP, '4', '2'});
    EXPECT_THROW(sector_by_chapter(s.report, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), ScriptExhausted);
    EXPECT_EQ(s.con.screen().text(21, 3, 8) + s.con.screen().text(5, 40, 8), "Jam.  1:Jam.  2:");
    EXPECT_EQ(s.con.screen().text(5, 3, 30).find('a'), std::string::npos) << s.con.screen().line(5);
    EXPECT_EQ(m.t.CS[1], 42);
}

// Esc on the allocation list, also during a count, stops the run; the key line says so.
TEST(ByChapter, EscOnTheListStopsTheRun) {
    for (const std::vector<int>& keys : {std::vector<int>{key::ESC}, {'5', key::ESC}}) {
        Material m(1, 1, 3, 31, 6);
        m.chapters(1, 3, 1).done();
        Screens s(keys);
        EXPECT_THROW(sector_by_chapter(s.report, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), RunAbandoned);
        EXPECT_NE(s.con.screen().line(25).find("Esc Stop the run"), std::string::npos);
    }
}
