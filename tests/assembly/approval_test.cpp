#include <gtest/gtest.h>

#include "world.h"

using namespace tv;
using namespace tv::test;

namespace {

const auto APPROVAL_BANK = uniform(4, {3, 3, 3, 3});

void approval_world(World& w) {
    w.style.FMAX = w.style.RMAX = 1;
    w.style.SMAX = 1;
    w.V = 1;
    for (int s = 1; s <= 4; ++s) w.sectors.SPS[s] = 3;
    w.prepare();
}

int sum(const SectorRow& row) {
    int n = 0;
    for (int s = 1; s <= 4; ++s) n += row[s];
    return n;
}

}  // namespace

TEST(Approval, PromptShowsTheCombinationAndWaitsAtColumn49) {
    World w(APPROVAL_BANK);
    approval_world(w);
    w.face.type("x");  // ignored; then the script runs dry at the prompt
    EXPECT_THROW(w.choose(1, "RnFS"), ScriptExhausted);
    const Screen& sc = w.con.screen();
    EXPECT_EQ(sc.line(3), "  Que Sec Num    Verse  Type  Question");
    EXPECT_EQ(sc.line(4), "");
    int r = w.quiz.SECTOR[1], f = w.quiz.SECTOR[3];
    EXPECT_EQ(sc.line(5), list_line(w.at, w.quiz, 1));
    EXPECT_EQ(sc.text(5, 1, 10), "   1." + std::string(r < 10 ? "   " : "  ") + std::to_string(r) + " ");
    EXPECT_EQ(sc.text(6, 1, 10), "   3." + std::string(f < 10 ? "   " : "  ") + std::to_string(f) + " ");
    EXPECT_EQ(sc.line(7), "");
    EXPECT_EQ(sc.line(8), "  Do you wish to accept this combination (y/n)?");
    EXPECT_EQ(sc.col(), 49);
    EXPECT_EQ(sc.row(), 8);
}

TEST(Approval, RejectingGivesTheQuestionsBackAndChoosesAgain) {
    World w(APPROVAL_BANK);
    approval_world(w);
    w.face.type("nN");
    w.face.type("y");
    w.choose(1, "RnFS");
    EXPECT_EQ(w.at.ACCEPT, 'Y');
    EXPECT_EQ(sum(w.sectors.RPS), 11) << "three combinations drawn, one kept";
    EXPECT_EQ(sum(w.sectors.FPS), 11);
    EXPECT_EQ(sum(w.sectors.SPS), 12) << "SIT positions hold nothing";
    int cleared = 0;
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 3; ++k) cleared += !w.at.REFERENCE[s][k] + !w.at.FINISH[s][k] + !w.at.SITUATION[s][k];
    EXPECT_EQ(cleared, 2);
    EXPECT_EQ(w.quiz.SECTOR[4], 99);
    EXPECT_EQ(w.con.screen().line(3), "  Choosing Regular Questions for Quiz 1");
    std::string list = w.list_text();
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 33) << "one header however often it was rejected";
    EXPECT_EQ(w.face.left(), 0u);
}

TEST(Approval, EscEndsTheQuizWithoutRegularQuestions) {
    World w(APPROVAL_BANK);
    approval_world(w);
    w.face.add({key::ESC});
    w.choose(2, "RnFS");
    EXPECT_TRUE(w.at.EN);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(w.sectors.QPS[s], 3);
    EXPECT_EQ(w.list_text(), list_header(2) + "\n\n");
}

TEST(Approval, AutomaticRunAsksNothing) {
    World w(APPROVAL_BANK);
    approval_world(w);
    w.V = 2;
    w.choose(1, "RnFS");
    EXPECT_FALSE(w.at.EN);
    EXPECT_EQ(sum(w.sectors.RPS), 11);
    EXPECT_EQ(w.con.screen().line(3), "  Choosing Quiz 1");
}
