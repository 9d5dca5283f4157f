#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "world.h"

using namespace tv;
using namespace tv::test;

namespace {

std::string all_n(int n) { return std::string(n, 'n'); }

std::set<int> regular_sectors(const World& w) {
    std::set<int> used;
    for (int p = 1; p <= w.sectors.SECTORS; ++p)
        if (typ_at(w.quiz, p) == 'n') used.insert(w.at.RSECTOR[p]);
    return used;
}

}  // namespace

TEST(Regular, EveryPositionFromAnotherSectorAndNoQuestionTwiceBeforeRepeats) {
    for (uint64_t seed : {1, 2, 3}) {
        World w(uniform(10, {6, 0, 0, 0}), 3, seed);
        w.prepare();
        std::set<std::string> seen;
        for (int q = 1; q <= 6; ++q) {
            w.choose(q, all_n(10));
            EXPECT_EQ(regular_sectors(w).size(), 10u) << "quiz " << q;
            for (int p = 1; p <= 10; ++p) {
                int s = w.at.RSECTOR[p];
                EXPECT_EQ(w.quiz.SECTOR[p], s);
                // The text read is the question drawn, from the right lines of the file.
                std::string id = std::to_string(s) + "." + std::to_string(w.at.NUMBER[s]);
                EXPECT_EQ(w.regular_id(p), id);
                EXPECT_TRUE(seen.insert(id).second) << "question " << id << " used twice, quiz " << q;
            }
        }
        EXPECT_EQ(seen.size(), 60u);
        EXPECT_TRUE(w.log_lines().empty());
    }
}

TEST(Regular, RepeatsBeginAfterMinqzThenEveryMinqzMinusOneQuizzes) {
    World w(uniform(5, {4, 0, 0, 0}));
    ASSERT_EQ(w.sectors.MINQZ, 4);
    w.prepare();
    for (int q = 1; q <= 12; ++q) w.choose(q, all_n(5));
    EXPECT_EQ(w.log_lines(), (std::vector<std::string>{"Regular Question Repeats begin quiz 5",
                                                       "Regular Question Repeats begin quiz 8",
                                                       "Regular Question Repeats begin quiz 11"}));
    EXPECT_EQ(w.sectors.MINQZ, 13);
    EXPECT_EQ(w.con.screen().line(5), "    **Out of Regular Questions...Using Repeats beginning quiz 5**");
    EXPECT_EQ(w.con.screen().line(7), "    **Out of Regular Questions...Using Repeats beginning quiz 11**");
    EXPECT_EQ(w.RSET, 7);
}

TEST(Regular, RepeatPercentDecidesWhetherDrawnQuestionsStayAvailable) {
    for (int pct : {0, 100}) {
        World w(uniform(6, {5, 0, 0, 0}));
        w.style.REPEATPCT = pct;
        w.prepare();
        w.choose(1, all_n(6));
        int cleared = 0;
        for (int s = 1; s <= 6; ++s)
            for (int k = 1; k <= 5; ++k) cleared += !w.at.REGQUESTION[s][k];
        EXPECT_EQ(cleared, pct == 0 ? 6 : 0);
        for (int s = 1; s <= 6; ++s) EXPECT_EQ(w.sectors.QPS[s], 4) << "the count-down falls either way";
    }
}

TEST(Regular, ReseedingMixesTheClockAndNeverRestartsTheGenerator) {
    // With a clock that stands still, restarting from the tick would give every
    // quiz the same draws; mixing keeps them different.
    World w(uniform(8, {30, 0, 0, 0}));
    w.clock = FixedClock(5000, 0);
    w.style.REPEATPCT = 100;
    w.prepare();
    std::set<std::vector<int>> orders;
    for (int q = 1; q <= 5; ++q) {
        w.choose(q, all_n(8));
        orders.insert(std::vector<int>(w.at.RSECTOR.begin() + 1, w.at.RSECTOR.begin() + 9));
    }
    EXPECT_GT(orders.size(), 1u);
}

TEST(Regular, NeighbouringPositionsComeFromDistantSectorsWhenTheyCan) {
    // While many sectors are free, a sector more than 5 away from the one before is
    // always within reach; position 1 counts its missing neighbour as sector 0.
    World w(uniform(30, {3, 0, 0, 0}));
    w.prepare();
    for (int q = 1; q <= 3; ++q) {
        w.choose(q, all_n(30));
        EXPECT_GT(w.quiz.SECTOR[1], 5);
        for (int p = 2; p <= 12; ++p)
            EXPECT_GT(std::abs(w.quiz.SECTOR[p] - w.quiz.SECTOR[p - 1]), 5) << "quiz " << q << " position " << p;
    }
}

TEST(Regular, InterrogativeShareGivesExactlyTheWantedCount) {
    World w(uniform(10, {12, 0, 0, 0}));
    w.set_interrogatives([](int, int k) { return k % 2 == 0; });
    w.style.IPC = 40;
    w.prepare();
    for (int q = 1; q <= 8; ++q) {
        w.choose(q, all_n(10));
        EXPECT_EQ(w.at.INUM, 4);
        int found = 0;
        for (int p = 1; p <= 10; ++p) found += w.quiz.ALL[p].find("Who is") != std::string::npos;
        EXPECT_EQ(found, 4) << "quiz " << q;
        EXPECT_EQ(regular_sectors(w).size(), 10u);
    }
    EXPECT_FALSE(w.at.share_abandoned);
    EXPECT_TRUE(w.log_lines().empty());
}

TEST(Regular, ImpossibleShareIsGivenUpWithItsMessages) {
    for (bool all_interrogative : {false, true}) {
        World w(uniform(10, {3, 0, 0, 0}));
        w.set_interrogatives([&](int, int) { return all_interrogative; });
        w.style.IPC = 40;
        w.prepare();
        w.choose(1, all_n(10));
        // Every sector holds questions of one kind only: no replacement can help, so
        // none is tried (each regular question reads the clock once, step 3).
        EXPECT_EQ(w.clock.ticks_ms(), 1000u + 3 * 10);
        EXPECT_TRUE(w.at.share_abandoned);
        EXPECT_EQ(w.at.ABAND, 1);
        EXPECT_EQ(w.at.OLDIPC, 40);
        EXPECT_EQ(w.at.IPC, 50);
        EXPECT_EQ(w.con.screen().line(5), all_interrogative
                                              ? "    **Some Sectors are out of Noninterrogative questions**"
                                              : "    **Some Sectors are out of Interrogative questions**");
        EXPECT_EQ(w.con.screen().line(6), "    **Abandoning 40 Percent interrogatives on quiz 1**");
        EXPECT_EQ(regular_sectors(w).size(), 10u);
        w.choose(2, all_n(10));  // later quizzes run without a share
        EXPECT_EQ(w.log_lines(), std::vector<std::string>{"Abandoning 40 Percent interrogatives on quiz 1"});
    }
}

TEST(Regular, ShareOfFiftyLeavesTheMarksAlone) {
    World w(uniform(10, {3, 0, 0, 0}));
    w.set_interrogatives([](int, int) { return true; });
    w.prepare();  // IPC 50: no index built, nothing replaced
    w.at.INT[1] = {false, true, true, true};
    w.choose(1, all_n(10));
    EXPECT_FALSE(w.at.share_abandoned);
    EXPECT_TRUE(w.log_lines().empty());
}

TEST(Regular, AnExhaustedSectorStartsItsOwnRepeatsInsteadOfDrawingForEver) {
    World w(uniform(3, {2, 0, 0, 0}));
    w.prepare();
    w.quiz.Q2 = 1;
    w.quiz.TYP = "nnn";
    w.at.FLAG = {0, 0, 1, 0};  // only sector 2 is free...
    w.at.REGQUESTION[2].fill(false);  // ...and its questions are used up
    Assembly a = w.assembly();
    CHOOSEQUE(a, 1);
    EXPECT_EQ(w.at.RSECTOR[1], 2);
    EXPECT_EQ(w.log_lines(), std::vector<std::string>{"Regular Question Repeats begin quiz 1 sector 2"});
}

TEST(Regular, NoFreeSectorTakesAUsedOneWithTheMessageWhenSpecialtiesAreRequired) {
    World w(uniform(3, {2, 0, 0, 0}));
    w.style.SPMIN = 1;
    w.prepare();
    w.quiz.Q2 = 4;
    w.quiz.TYP = "nnn";
    w.at.FLAG = {0, 0, 0, 0};
    Assembly a = w.assembly();
    CHOOSEQUE(a, 2);
    int s = w.at.RSECTOR[2];
    EXPECT_TRUE(w.at.REGQUESTION[s][w.at.RNUMBER[s]]) << "a question of a repeated sector stays available";
    EXPECT_EQ(w.con.screen().line(5), "    << Sectors repeat Quiz 4 **Check this quiz** >>");
    EXPECT_EQ(w.log_lines(), std::vector<std::string>{"Sectors repeat Quest 2 Quiz 4"});
}

// The sector draw stands for drawing sectors until a free one comes up (at most
// 30000 times), the question draw for drawing numbers until an available question
// comes up: each free sector, and each available question, equally often.
TEST(Regular, SectorAndQuestionDrawsTakeEachUsableOneAlike) {
    World w(uniform(6, {12, 0, 0, 0}), 2, 99);
    w.style.REPEATPCT = 100;  // the drawn question stays available
    w.prepare();
    w.quiz.Q2 = 1;
    w.quiz.TYP = "nnnnnn";
    Assembly a = w.assembly();
    const int draws = 12000;

    std::array<int, 8> sectors{};
    w.at.FLAG = {0, 0, 1, 0, 0, 1, 0, 0};  // sectors 2 and 5 free
    for (int i = 0; i < draws; ++i) {
        SectorDraw d = CHOOSES(a, 3);
        EXPECT_TRUE(d.free);
        ++sectors[d.s];
    }
    EXPECT_EQ(sectors[2] + sectors[5], draws);
    EXPECT_NEAR(sectors[2], draws / 2, 300);  // standard deviation 55

    std::array<int, 14> questions{};
    w.at.REGQUESTION[4].fill(false);
    for (int k : {3, 7, 12}) w.at.REGQUESTION[4][k] = true;
    for (int i = 0; i < draws; ++i) {
        w.at.FLAG = {0, 0, 0, 0, 1, 0, 0, 0};  // sector 4 alone is free
        CHOOSEQUE(a, 1);
        ASSERT_EQ(w.at.RSECTOR[1], 4);
        ++questions[w.at.PNUMBER[1]];
    }
    for (int k = 1; k <= 12; ++k) {
        if (k == 3 || k == 7 || k == 12)
            EXPECT_NEAR(questions[k], draws / 3, 300) << k;  // standard deviation 52
        else
            EXPECT_EQ(questions[k], 0) << k;
    }
}

// The marks are counted eight at a time: available questions on both sides of
// those groups, and in the short group at the end, are each drawn alike.
TEST(Regular, QuestionDrawOverManyMarksTakesEachAvailableOneAlike) {
    World w(uniform(3, {60, 0, 0, 0}), 2, 5);
    w.style.REPEATPCT = 100;
    w.prepare();
    w.quiz.Q2 = 1;
    w.quiz.TYP = "nnn";
    Assembly a = w.assembly();
    const std::set<int> available = {1, 8, 9, 41, 57, 60};
    w.at.REGQUESTION[2].fill(false);
    for (int k : available) w.at.REGQUESTION[2][k] = true;
    std::array<int, 61> seen{};
    const int draws = 12000;
    for (int i = 0; i < draws; ++i) {
        w.at.FLAG = {0, 0, 1, 0};  // sector 2 alone is free
        CHOOSEQUE(a, 2);
        ++seen[w.at.PNUMBER[2]];
    }
    for (int k = 1; k <= 60; ++k) {
        if (available.count(k))
            EXPECT_NEAR(seen[k], draws / 6, 250) << k;  // standard deviation 41
        else
            EXPECT_EQ(seen[k], 0) << k;
    }
}
