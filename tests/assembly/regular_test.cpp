#include <gtest/gtest.h>

#include "world.h"

using namespace tv;
using namespace tv::test;

// Every sector holds noninterrogative questions only: no replacement can help, so none
// is tried (each regular question reads the clock once), the share is given up with
// its messages, and later quizzes run without one. (The other way round, and the note
// at the end of the run: the flow no_interrogatives.)
TEST(Regular, AShareNoReplacementCanReachIsGivenUpAtOnce) {
    World w(10, 3);
    w.style.IPC = 40;
    w.prepare();
    w.choose(1, std::string(10, 'n'));
    EXPECT_EQ(w.clock.ticks_ms(), 1000u + 3 * 10);
    EXPECT_EQ(std::tuple(w.at.ABAND, w.at.OLDIPC, w.at.IPC), std::tuple(1, 40, 50));
    EXPECT_EQ(w.report.said, (std::vector<std::string>{"  **Some Sectors are out of Interrogative questions**",
                                 "  **Abandoning 40 Percent interrogatives on quiz 1**"}));
    w.choose(2, std::string(10, 'n'));
    EXPECT_EQ(w.log_text(), "Abandoning 40 Percent interrogatives on quiz 1\n");
}

TEST(Regular, NoFreeSectorTakesAUsedOneWithTheMessageWhenSpecialtiesAreRequired) {
    World w(3, 2);
    w.style.SPMIN = 1;
    w.prepare();
    w.quiz.Q2 = 4;
    w.quiz.TYP = "nnn";
    w.at.FLAG = {0, 0, 0, 0};
    Assembly a = w.assembly();
    choose_regular(a, 2);
    int s = w.at.RSECTOR[2];
    EXPECT_TRUE(w.at.REGQUESTION[s][w.at.RNUMBER[s]]) << "a question of a repeated sector stays available";
    EXPECT_EQ(w.report.said, std::vector<std::string>{"  << Sectors repeat Quiz 4 **Check this quiz** >>"});
    EXPECT_EQ(w.log_text(), "Sectors repeat Quest 2 Quiz 4\n");
}

// A sector of a single question is used like any other: only an empty one stops the run.
TEST(Regular, ASectorOfOneQuestionIsUsed) {
    World w(3, 1);
    w.prepare();
    w.choose(1, "nnn");
    EXPECT_EQ(w.report.said, std::vector<std::string>{});
}
