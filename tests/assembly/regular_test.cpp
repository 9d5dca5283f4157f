#include <gtest/gtest.h>

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

TEST(Regular, ReseedingMixesTheClockAndNeverRestartsTheGenerator) {
    // With a clock that stands still, restarting from the tick would give every
    // quiz the same draws; mixing keeps them different.
    World w(8, 30);
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

TEST(Regular, ImpossibleShareIsGivenUpWithItsMessages) {
    for (bool all_interrogative : {false, true}) {
        World w(10, 3, all_interrogative);
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

TEST(Regular, AnExhaustedSectorStartsItsOwnRepeatsInsteadOfDrawingForEver) {
    World w(3, 2);
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
    World w(3, 2);
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
