#include <gtest/gtest.h>

#include "world.h"

using namespace tv;
using namespace tv::test;

TEST(Specialty, ATypeWithNoQuestionInItsSectorsAbandonsTheRun) {
    World w(3, 2);
    w.style.RMAX = 1;
    w.prepare();
    try {
        w.choose(1, "Rnn");
        FAIL() << "the run should be abandoned";
    } catch (const RunAbandoned& e) {
        EXPECT_NE(e.why.find("CV Ref"), std::string::npos);
    }
    EXPECT_EQ(w.report.said.back(), "!  No CV Ref questions in the sectors of this run. Press Return");
}

// The FTV kind spread: against the kinds last taken (b, then c, then d, as every run
// starts), a candidate of each kind is turned down this many times before one is
// taken; the kind taken then heads the history.
TEST(Specialty, AnFtvKindJustTakenWaitsItsTurn) {
    for (auto [kind, rejected] : {std::pair{'b', 29}, {'c', 14}, {'d', 4}, {'e', 0}}) {
        World w(3, 2);  // 2 FTV questions in each sector, all of one kind
        for (int s = 1; s <= 3; ++s) w.sectors.FPS[s] = 2, w.bank.FTYPE[s] = {' ', kind, kind};
        w.F4 = QuestionFile("FTV.00A", std::vector<std::string>(8, " 1: 1\tFTV\tverse\tx"));
        w.prepare();
        w.at.FLAG.fill(1);
        Assembly a = w.assembly();
        a.quiz.Q2 = 1;
        choose_ftv(a, 1);
        // A candidate taken after 29 refusals leaves the count past 29.
        EXPECT_EQ(std::min(w.at.FTC, 29), rejected) << kind;
        EXPECT_EQ(std::string({w.at.FTC2, w.at.FTC3, w.at.FTC4}), std::string({kind, 'b', 'c'}));
    }
}

// An FTV question only in a sector the quiz has taken: after the type's own repeat, the
// second event frees every sector of the quiz, the last one too, and the question is taken.
TEST(Specialty, TheSecondRepeatEventFreesEverySectorOfTheQuiz) {
    World w(3, 2);
    w.sectors.FPS[3] = 1, w.bank.FTYPE[3] = {' ', 'a'};
    w.F4 = QuestionFile("FTV.00A", std::vector<std::string>(3, " 1: 1\tFTV\tverse\tx"));
    w.prepare();
    w.at.FLAG.fill(1);
    w.at.FLAG[3] = 0;
    Assembly a = w.assembly();
    a.quiz.Q2 = 1;
    choose_ftv(a, 1);
    const std::vector<std::string>& said = w.report.said;
    EXPECT_NE(std::find(said.begin(), said.end(), "  Sectors or questions will be repeated in quiz 1"), said.end());
}
