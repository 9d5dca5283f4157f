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

// Runs RESECTOR with Enter at its prompt.
void resector(Material& m, Console& con) {
    m.done();
    RESECTOR(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
}

}  // namespace

TEST(PlannedSizes, WorkedExamples) {
    // 100 in 30: one question more at 1, 4, ..., 25; the last sector takes the rest.
    std::vector<int> hundred(30, 3);
    for (int s : {1, 4, 7, 10, 13, 16, 19, 22, 25}) hundred[s - 1] = 4;
    hundred[29] = 4;
    // 239 in 30: one more everywhere but at 1, 8, 15, 22 (step 7); the last gets 11.
    std::vector<int> big(30, 8);
    for (int s : {1, 8, 15, 22}) big[s - 1] = 7;
    big[29] = 11;
    // 62 in 30: a share below 0.125 adds nothing.
    std::vector<int> small(30, 2);
    small[29] = 4;

    EXPECT_EQ(planned(100, 30), hundred);
    EXPECT_EQ(planned(239, 30), big);
    EXPECT_EQ(planned(62, 30), small);
}

TEST(PlannedSizes, EveryRowOfTheThresholdTable) {
    auto with = [](std::vector<int> sizes, std::initializer_list<std::pair<int, int>> changes) {
        for (auto [s, n] : changes) sizes[s - 1] = n;
        return sizes;
    };
    // 0.875 and up: +1 to all but the last, -1 at 1, 8, ... up to 8 x ((S-1) div 8).
    EXPECT_EQ(planned(63, 8), (std::vector<int>{8, 8, 8, 8, 8, 8, 8, 7}));
    EXPECT_EQ(planned(71, 9), (std::vector<int>{7, 8, 8, 8, 8, 8, 8, 7, 9}));
    // 0.75: +1 to all but the last, -1 at 1, 5, ... up to 4 x ((S-1) div 4).
    EXPECT_EQ(planned(31, 4), (std::vector<int>{8, 8, 8, 7}));
    EXPECT_EQ(planned(44, 5), (std::vector<int>{8, 9, 9, 9, 9}));
    // 0.5: +1 at 1, 3, 5, 7.
    EXPECT_EQ(planned(47, 10), (std::vector<int>{5, 4, 5, 4, 5, 4, 5, 4, 4, 7}));
    // 0.333: +1 at 1, 4, 7.
    EXPECT_EQ(planned(34, 10), (std::vector<int>{4, 3, 3, 4, 3, 3, 4, 3, 3, 4}));
    // 0.25: +1 at 1, 5, 9, bounded by 3 x ((S-1) div 4) = 12, so not at 13.
    EXPECT_EQ(planned(39, 17), with(std::vector<int>(17, 2), {{1, 3}, {5, 3}, {9, 3}, {17, 4}}));
    // 0.125: +1 at 1, 9, 17 (bound 24).
    EXPECT_EQ(planned(64, 30), with(std::vector<int>(30, 2), {{1, 3}, {9, 3}, {17, 3}, {30, 3}}));
    // Below 0.125: nothing.
    EXPECT_EQ(planned(28, 9), (std::vector<int>{3, 3, 3, 3, 3, 3, 3, 3, 4}));
}

TEST(PlannedSizes, AlwaysAddUpAndLeaveNoSectorEmpty) {
    for (int S = 2; S <= 30; ++S)
        for (int TQUEST = S; TQUEST <= 40 * S; ++TQUEST) {
            std::vector<int> sizes = planned(TQUEST, S);
            ASSERT_EQ(std::accumulate(sizes.begin(), sizes.end(), 0), TQUEST) << TQUEST << " in " << S;
            ASSERT_GE(*std::min_element(sizes.begin(), sizes.end()), 1) << TQUEST << " in " << S;
        }
}

TEST(Resector, HundredQuestionsOneAVerseInThirtySectors) {
    // Romans 1:1-4:8, one regular question per verse: 32 + 29 + 31 + 8 = 100.
    Material m(1, 1, 4, 8, 30);
    m.chapters(1, 4, 1);
    m.verse(4, 9, 0);  // after the material
    ScriptFace face({key::ENTER});
    Console con(face);
    con.go(1, 5);
    resector(m, con);

    EXPECT_EQ(m.t.MINQZ, 3);
    EXPECT_TRUE(m.t.RES);
    // Each sector holds its planned number of verses, one after the other.
    std::vector<Span> expected;
    int verse = 0;  // verses of the material used so far
    auto at = [](int n) {  // the n-th verse of the material (from 1)
        int ch = 1;
        while (n > VERSE_COUNT[ch]) n -= VERSE_COUNT[ch++];
        return std::pair{ch, n};
    };
    for (int s = 1; s <= 30; ++s) {
        int size = s == 30 || (s % 3 == 1 && s <= 25) ? 4 : 3;
        auto [bc, bv] = at(verse + 1);
        auto [ec, ev] = at(verse + size);
        expected.push_back({bc, bv, ec, ev, size});
        verse += size;
    }
    EXPECT_EQ(spans(m.t), expected);
    EXPECT_EQ(m.t.EC[30], 4);
    EXPECT_EQ(m.t.EV[30], 8);
}

TEST(Resector, PromptsOnRow6AndLeavesTheCursorAtRow5) {
    Material m(1, 1, 1, 32, 2);
    m.chapters(1, 1, 1);
    ScriptFace face;
    Console con(face);
    con.go(1, 5);
    EXPECT_THROW(resector(m, con), ScriptExhausted);
    EXPECT_NE(face.last_screen.find("\n\n  The material will be sectored by individual questions.\n"),
              std::string::npos);

    face.type("ok\r");  // what is typed at the prompt is cleared with it
    resector(m, con);
    EXPECT_EQ(con.screen().line(6), "");
    EXPECT_EQ(con.screen().col(), 1);
    EXPECT_EQ(con.screen().row(), 5);
}

TEST(Resector, ASectorFillingInsideAVerseSharesItWithTheNext) {
    // 8 questions in 3 sectors: sizes 3, 2, 3.
    Material m(1, 1, 1, 5, 3);
    m.verse(1, 1, 2, 1).verse(1, 2, 3, 2).verse(1, 3, 1, 4).verse(1, 4, 2, 8).verse(1, 5, 0, 16);
    ScriptFace face({key::ENTER});
    Console con(face);
    resector(m, con);
    EXPECT_EQ(column(m.t.QPS, 3), (std::vector<int>{3, 2, 3}));
    // Sector 1 closes inside 1:2 and sector 2 takes the rest of that verse; sector 2
    // closes at the end of 1:2, so sector 3 begins at the next verse.
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 1, 1, 2, 3}, {1, 2, 1, 2, 2}, {1, 3, 1, 5, 3}}));
    // A verse's specialty counts go to the sector that reaches it first; the last
    // sector counts every line from its first verse to the end of the material.
    EXPECT_EQ(column(m.t.FPS, 3), (std::vector<int>{1 + 2, 0, 4 + 8 + 16}));
}

TEST(Resector, VersesWithoutRegularQuestionsBetweenSectorsKeepTheirSpecialtyCounts) {
    // Material Romans 2:5-2:11 (2:1-2:4 lie before it and must not count).
    Material m(2, 5, 2, 11, 3);
    m.verse(2, 1, 5, 100, 100).verse(2, 4, 0, 100);
    m.verse(2, 5, 0, 1)              // before the first regular question: sector 1
        .verse(2, 6, 2, 2)
        .verse(2, 7, 0, 4, 1, 0, 1)  // between sectors 1 and 2: given to sector 2
        .verse(2, 8, 2, 8)
        .verse(2, 9, 0, 16, 0, 1)    // between sectors 2 and 3: given to sector 3
        .verse(2, 10, 2, 32)
        .verse(2, 11, 0, 64, 2)      // after the last regular verse: last sector
        .verse(2, 12, 0, 100);       // after the material
    ScriptFace face({key::ENTER});
    Console con(face);
    resector(m, con);

    EXPECT_EQ(spans(m.t), (std::vector<Span>{{2, 6, 2, 6, 2}, {2, 8, 2, 8, 2}, {2, 10, 2, 11, 2}}));
    EXPECT_EQ(column(m.t.FPS, 3), (std::vector<int>{1 + 2, 4 + 8, 16 + 32 + 64}));
    EXPECT_EQ(column(m.t.RPS, 3), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(column(m.t.OPS, 3), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(column(m.t.SPS, 3), (std::vector<int>{0, 1, 0}));
    // Every specialty question of the material lies in exactly one sector.
    EXPECT_EQ(m.bank.FQUEST, 127);
    EXPECT_EQ(m.bank.RQUEST, 3);
}

TEST(Resector, TheLastSectorCountsFromTheLineAfterItsFirstVerse) {
    // Sector 2 begins inside 3:2, which sector 1 reached first; a shifted count would
    // take the FTV of 3:2 twice or miss those of 3:3-3:4.
    Material m(3, 1, 3, 4, 2);
    m.verse(3, 1, 1, 1).verse(3, 2, 3, 10).verse(3, 3, 0, 100).verse(3, 4, 0, 1000).verse(3, 5, 0, 7);
    ScriptFace face({key::ENTER});
    Console con(face);
    resector(m, con);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{3, 1, 3, 2, 2}, {3, 2, 3, 4, 2}}));
    EXPECT_EQ(column(m.t.FPS, 2), (std::vector<int>{11, 1100}));
}

TEST(Resector, ACountFileThatDoesNotMatchTheMaterialIsReported) {
    Material m(1, 1, 1, 5, 2);
    m.verse(1, 1, 2).verse(1, 2, 2);
    m.done();
    m.bank.TQUEST = 9;  // more than the file holds
    ScriptFace face({key::ENTER});
    Console con(face);
    try {
        RESECTOR(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
        FAIL() << "expected an error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.file, COUNT_FILE);
    }
}
