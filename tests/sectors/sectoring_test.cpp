#include <gtest/gtest.h>

#include <numeric>

#include "material.h"
#include "sectors/sectoring.h"

using namespace tv;
using namespace tv::test;

namespace {

std::vector<int> planned(int TQUEST, int S) {
    SectorTables t;
    t.SECTORS = S;
    plan_sector_sizes(t, TQUEST);
    return column(t.QPS, S);
}

void by_verse(Material& m) {
    Screens s;
    m.done();
    sector_by_verse(s.report, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
}

}  // namespace

TEST(PlannedSizes, AlwaysAddUpAndLeaveNoSectorEmpty) {
    for (int S = 2; S <= 30; ++S)
        for (int TQUEST = S; TQUEST <= 40 * S; ++TQUEST) {
            std::vector<int> sizes = planned(TQUEST, S);
            ASSERT_EQ(std::accumulate(sizes.begin(), sizes.end(), 0), TQUEST) << TQUEST << " in " << S;
            ASSERT_GE(*std::min_element(sizes.begin(), sizes.end()), 1) << TQUEST << " in " << S;
        }
}

TEST(ByQuestion, ACountFileThatDoesNotMatchTheMaterialIsReported) {
    Material m(1, 1, 1, 5, 2);
    m.verse(1, 1, 2).verse(1, 2, 2);
    m.done();
    m.bank.TQUEST = 9;  // more than the file holds
    Screens s({key::ENTER});
    const auto e = io_error([&] { sector_by_question(s.report, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t); });
    EXPECT_EQ(e ? e->file : "no error", COUNT_FILE);
}

TEST(PlannedSizes, WorkedExamples) {
    // 100 in 30: one question more at 1, 4, ..., 25; the last sector takes the rest.
    // 239 in 30: one more everywhere but at 1, 8, 15, 22 (step 7); the last gets 11.
    // 62 in 30: a share below 0.125 adds nothing.
    // 39 in 10: one more to 1-9 but at 1 and 8, the bound itself; the last gets 5.
    std::vector<int> hundred(30, 3), big(30, 8), small(30, 2);
    for (int s : {1, 4, 7, 10, 13, 16, 19, 22, 25}) hundred[s - 1] = 4;
    for (int s : {1, 8, 15, 22}) big[s - 1] = 7;
    hundred[29] = 4, big[29] = 11, small[29] = 4;

    EXPECT_EQ(planned(100, 30), hundred);
    EXPECT_EQ(planned(239, 30), big);
    EXPECT_EQ(planned(62, 30), small);
    EXPECT_EQ(planned(39, 10), (std::vector<int>{3, 4, 4, 4, 4, 4, 4, 3, 4, 5}));
    // The other shares of the remainder, in 30 sectors: 0.8 takes one from every fourth
    // of the 28 after one more to all; 0.6 adds to every second of 28; 0.3 to every
    // fourth up to 21; 0.2 to every eighth up to 24.
    const std::pair<int, const char*> shares[] = {{114, "3 4 4 4 3 4 4 4 3 4 4 4 3 4 4 4 3 4 4 4 3 4 4 4 3 4 4 4 4 5"},
        {108, "4 3 4 3 4 3 4 3 4 3 4 3 4 3 4 3 4 3 4 3 4 3 4 3 4 3 4 3 3 7"},
        {99, "4 3 3 3 4 3 3 3 4 3 3 3 4 3 3 3 4 3 3 3 4 3 3 3 3 3 3 3 3 6"},
        {96, "4 3 3 3 3 3 3 3 4 3 3 3 3 3 3 3 4 3 3 3 3 3 3 3 3 3 3 3 3 6"}};
    for (const auto& [TQUEST, sizes] : shares) {
        std::string text;
        for (int n : planned(TQUEST, 30)) text += (text.empty() ? "" : " ") + std::to_string(n);
        EXPECT_EQ(text, sizes) << TQUEST;
    }
}

TEST(ByVerse, AChapterEndsAfterItsLastVerseNotAfterFiveEmptyVerses) {
    // Five verses without regular questions inside chapter 1: the walk goes on to 1:7
    // and counts their FTV, rather than leaving the rest of the chapter out.
    Material m(1, 1, 2, 29, 2);
    m.verse(1, 1, 2);
    for (int v = 2; v <= 6; ++v) m.verse(1, v, 0, 1);
    m.verse(1, 7, 2).verse(1, 8, 2).verse(1, 32, 0, 10).verse(2, 29, 1);
    by_verse(m);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 1, 2}, {1, 7, 2, 29, 5}}));
    EXPECT_EQ(column(m.t.FPS, 2), (std::vector<int>{5, 10}));
    EXPECT_EQ(m.t.QPS[1] + m.t.QPS[2], m.bank.TQUEST);
}

TEST(ByVerse, TheLastSectorStopsAtTheEndOfTheMaterial) {
    // 1:4 lies after the material: its FTV belong to no sector.
    Material m(1, 1, 1, 3, 2);
    m.verse(1, 1, 2).verse(1, 2, 2).verse(1, 3, 2).verse(1, 4, 0, 5);
    by_verse(m);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 1, 2}, {1, 2, 1, 3, 4}}));
    EXPECT_EQ(m.t.FPS[2], 0);
    EXPECT_EQ(m.bank.FQUEST, 0);
    // The season's last chapter (James 5) holds every sector: the walk goes on to its end.
    Material last(21, 1, 21, 20, 2);
    for (int v = 1; v <= 20; ++v) last.verse(21, v, 1);
    by_verse(last);
    EXPECT_EQ(spans(last.t), (std::vector<Span>{{21, 1, 21, 9, 9}, {21, 10, 21, 20, 11}}));
}

TEST(ByVerse, LevelLStartsNoSectorInChapter7) {
    // The level, the begin chapter (Romans 1-4 lie before level L's), the second sector, its FTV questions.
    const std::tuple<char, int, Span, int> cases[] = {
        {'L', 6, {8, 1, 8, 39, 15}, 0}, {'F', 6, {7, 1, 8, 39, 15}, 3}, {'L', 1, {8, 1, 8, 39, 15}, 0}};
    for (const auto& [LG, bchap, second, ftv2] : cases) {
        SCOPED_TRACE(std::string(1, LG) + std::to_string(bchap));
        Material m(bchap, 1, 8, 39, 2);
        m.style.LG = LG;
        m.verse(6, 23, 10).verse(7, 1, 0, 3).verse(8, 1, 10).verse(8, 2, 5);
        by_verse(m);
        EXPECT_EQ(m.t.MINQZ, 10);
        EXPECT_EQ(spans(m.t), (std::vector<Span>{{bchap, 1, 6, 23, 10}, second}));
        EXPECT_EQ(m.t.FPS[2], ftv2);
    }
}

// A material whose verses cannot be cut into the sectors is sectored by question.
TEST(ByVerse, AMaterialOfOneVerseIsSectoredByQuestion) {
    Material m(1, 1, 1, 1, 2);
    m.verse(1, 1, 10).done();
    Screens s({key::ENTER});  // for the notice that the material is sectored by question
    sector_by_verse(s.report, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 1, 5}, {1, 1, 1, 1, 5}}));
    EXPECT_EQ(s.con.screen().line(6).rfind("  Sc From", 0), 0u) << "the notice gives way to the sector table";
}
