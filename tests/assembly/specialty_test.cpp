#include <gtest/gtest.h>

#include <set>

#include "world.h"

using namespace tv;
using namespace tv::test;

namespace {

std::vector<std::string> starting_with(const std::vector<std::string>& lines, const std::string& head) {
    std::vector<std::string> out;
    for (const auto& l : lines)
        if (l.rfind(head, 0) == 0) out.push_back(l);
    return out;
}

}  // namespace

TEST(Specialty, PriorityOrderFollowsTheSmallestSlack) {
    // CV Ref in sectors 1-2, FTV in 1-3, CO Ref in 1-4, one of each per quiz and no
    // SIT: slacks R 1, F 2, O 3, S 0, so SIT (no finder) comes first, then CV Ref.
    World w({{3, 1, 9, 9}, {3, 1, 9, 9}, {3, 1, 0, 9}, {3, 0, 0, 9}});
    w.style.FMAX = 1;
    w.prepare();
    w.choose(1, "RFOn");
    EXPECT_EQ(w.at.PRIORITY1, 'S');
    EXPECT_EQ(w.at.PRIORITY2, 'R');
    EXPECT_EQ(w.at.FDIF, 2);
    EXPECT_EQ(w.at.RDIF, 1);
    EXPECT_EQ(w.at.ODIF, 3);
    EXPECT_EQ(w.at.SDIF, 200);
}

TEST(Specialty, FindersRunScarcestTypeFirst) {
    // CV Ref in sectors 1-3, FTV in 1-4, CO Ref in 1-5; two CV Refs, two FTV, one CO
    // Ref: only the order CV Ref, FTV, CO Ref always finds a free sector for each.
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        World w({{3, 2, 2, 2}, {3, 2, 2, 2}, {3, 2, 2, 2}, {3, 2, 0, 2}, {3, 0, 0, 2}, {3, 0, 0, 0}}, 0, seed);
        w.style.FMAX = 2;
        w.prepare();
        w.choose(1, "RFORFn");
        EXPECT_EQ(w.at.PRIORITY2, 'R');
        EXPECT_TRUE(w.log_lines().empty()) << "seed " << seed;
        std::set<int> used(w.quiz.SECTOR.begin() + 1, w.quiz.SECTOR.begin() + 7);
        EXPECT_EQ(used.size(), 6u);
        EXPECT_EQ(w.quiz.SECTOR[3], 5);
    }
}

TEST(Specialty, ThreePositionsFromTwoSectorsRepeatTheTypeThenTheSectors) {
    struct Case {
        char type;
        const char* message;
        const char* log;
    } cases[] = {
        {'R', "    Due to sectoring restrictions we must begin CV Ref repeats in quiz 3", "CV Repeats begin quiz 3"},
        {'O', "    Due to sectoring restrictions we must begin CO Ref repeats in quiz 3", "CO repeats begin quiz 3"},
        {'F', "    Due to sectoring restrictions FTV repeats begin in quiz 3", "FTV Repeats begin quiz 3"},
    };
    for (const Case& c : cases) {
        SectorCounts rich{4, 0, 0, 0};
        (c.type == 'R' ? rich.cvref : c.type == 'O' ? rich.coref : rich.ftv) = 5;
        World w({rich, rich, {4, 0, 0, 0}, {4, 0, 0, 0}, {4, 0, 0, 0}, {4, 0, 0, 0}});
        w.style.RMAX = w.style.OMAX = w.style.FMAX = 3;
        w.prepare();
        std::string pattern = std::string(3, c.type) + "nnn";
        w.choose(3, pattern);
        std::set<int> used{w.quiz.SECTOR[1], w.quiz.SECTOR[2], w.quiz.SECTOR[3]};
        EXPECT_EQ(used, (std::set<int>{1, 2})) << c.type << ": a sector is used twice";
        std::string code = c.type == 'R' ? "CV\t" : c.type == 'O' ? "CO\t" : "FTV\t";
        for (int p = 1; p <= 3; ++p)
            EXPECT_EQ(w.quiz.ALL[p].substr(6, code.size() + 3), code + c.type + " " + std::to_string(w.quiz.SECTOR[p]));
        EXPECT_EQ(w.log_lines(), (std::vector<std::string>{c.log, "Sectors or Questions repeated in quiz 3"}));
        EXPECT_EQ(w.con.screen().line(5), c.message);
        EXPECT_EQ(w.con.screen().line(6), "    Sectors or questions will be repeated in quiz 3");
        EXPECT_EQ(w.con.screen().line(3), "  Choosing Quiz 3");
        // The type's count-downs were reset to the totals, then the third position took one.
        SectorRow& left = c.type == 'R' ? w.sectors.RPS : c.type == 'O' ? w.sectors.OPS : w.sectors.FPS;
        EXPECT_EQ(left[1] + left[2], 9) << c.type;
        std::set<int> regular{w.quiz.SECTOR[4], w.quiz.SECTOR[5], w.quiz.SECTOR[6]};
        EXPECT_EQ(regular.size(), 3u);
    }
}

TEST(Specialty, RepeatSectorClearsTheWorkAreaAtTheBottomRow) {
    World w(uniform(3, {1, 0, 0, 0}));
    w.prepare();
    w.quiz.Q2 = 9;
    w.RSET = 24;
    w.con.write_at(3, 10, "old message");
    Assembly a = w.assembly();
    REPEATSECTOR(a);
    EXPECT_EQ(w.RSET, 5);
    EXPECT_EQ(w.con.screen().line(10), "");
    EXPECT_EQ(w.con.screen().line(5), "    Sectors or questions will be repeated in quiz 9");
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(w.at.FLAG[s], 1);
}

TEST(Specialty, PlannedFtvRepeatsAtQuiz21ThenAt42) {
    // 50 FTV, at most 2 a quiz: FQUIZ = ((4 * 50) / 2) / 5 = 20.
    World w(uniform(25, {3, 2, 0, 0}));
    w.style.FMAX = 2;
    w.prepare();
    ASSERT_EQ(w.points.FQUIZ, 20);
    ASSERT_EQ(w.points.FQUIZ1, 20);
    for (int q = 1; q <= 42; ++q) w.choose(q, "FF" + std::string(23, 'n'));
    EXPECT_EQ(starting_with(w.log_lines(), "FTV"),
              (std::vector<std::string>{"FTV Repeats begin quiz 21", "FTV Repeats begin quiz 42"}));
    EXPECT_EQ(w.points.FQUIZ, 62);
}

TEST(Specialty, PlannedFtvRepeatWaitsForQuizFour) {
    World w(uniform(4, {6, 9, 0, 0}));
    w.style.FMAX = 1;
    w.prepare();
    w.points.FQUIZ = w.points.FQUIZ1 = 1;
    for (int q = 1; q <= 6; ++q) w.choose(q, "Fnnn");
    EXPECT_EQ(starting_with(w.log_lines(), "FTV"),
              (std::vector<std::string>{"FTV Repeats begin quiz 4", "FTV Repeats begin quiz 6"}));
}

TEST(Specialty, FtvOfOneKindTakeTheThirtiethCandidate) {
    World w(uniform(4, {2, 10, 0, 0}));
    for (int s = 1; s <= 4; ++s) std::fill(w.bank.FTYPE[s].begin() + 1, w.bank.FTYPE[s].end(), 'V');
    w.style.FMAX = 2;
    w.prepare();
    w.quiz.Q2 = 1;
    w.quiz.TYP = "FFnn";
    w.at.FLAG = {0, 1, 1, 1, 1};
    Assembly a = w.assembly();
    CHOOSEFIN(a, 1);
    EXPECT_EQ(w.at.FTC, 0) << "the first FTV of the run follows no V";
    CHOOSEFIN(a, 2);
    EXPECT_EQ(w.at.FTC, 30) << "29 rejections, then the 30th candidate taken";
    EXPECT_EQ(w.at.FTC2, 'V');
    int left = 0, free = 0;
    for (int s = 1; s <= 4; ++s) {
        left += w.sectors.FPS[s];
        free += w.at.FLAG[s];
    }
    EXPECT_EQ(left, 38) << "rejected candidates are given back";
    EXPECT_EQ(free, 2);
}

TEST(Specialty, FtvKindsSpreadOverTheLastThree) {
    // Kinds A, B, C, D in every sector: an FTV differs from the one before it and,
    // but for a long run of rejections, from the one before that.
    World w(uniform(6, {2, 40, 0, 0}));
    for (int s = 1; s <= 6; ++s)
        for (int k = 1; k <= 40; ++k) w.bank.FTYPE[s][k] = "ABCD"[k % 4];
    w.style.FMAX = 3;
    w.prepare();
    std::string kinds;
    for (int q = 1; q <= 8; ++q) {
        w.choose(q, "FnFnFn");
        for (int p : {1, 3, 5}) kinds += w.bank.FTYPE[w.quiz.SECTOR[p]][w.at.NUMBER[w.quiz.SECTOR[p]]];
    }
    for (size_t i = 3; i < kinds.size(); ++i)
        EXPECT_TRUE(kinds[i] != kinds[i - 1] && kinds[i] != kinds[i - 2]) << kinds;
}

TEST(Specialty, SecondCvRefPrefersTheSectorHoldingMoreThanAThird) {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        World w({{2, 0, 1, 0}, {2, 0, 1, 0}, {2, 0, 1, 0}, {2, 0, 20, 0}, {2, 0, 1, 0}, {2, 0, 1, 0}}, 0, seed);
        w.style.RMAX = 2;
        w.prepare();
        w.choose(1, "RRnnnn");
        if (w.quiz.SECTOR[1] != 4)
            EXPECT_EQ(w.quiz.SECTOR[2], 4) << "seed " << seed;
        else
            EXPECT_NE(w.quiz.SECTOR[2], 4);
    }
}

TEST(Specialty, RepeatPercentHundredKeepsMarksButCountsStillFall) {
    World w(uniform(4, {3, 0, 0, 4}));
    w.style.OMAX = 2;
    w.style.REPEATPCT = 100;
    w.prepare();
    w.choose(1, "OnOn");
    int down = 0;
    for (int s = 1; s <= 4; ++s) {
        down += 4 - w.sectors.OPS[s];
        for (int k = 1; k <= 4; ++k) EXPECT_TRUE(w.at.ONLY[s][k]);
    }
    EXPECT_EQ(down, 2);
}

TEST(Specialty, ATypeWithNoQuestionInItsSectorsAbandonsTheRun) {
    World w(uniform(3, {2, 0, 0, 0}));
    w.style.RMAX = 1;
    w.prepare();
    w.face.type("\r");
    try {
        w.choose(1, "Rnn");
        FAIL() << "the run should be abandoned";
    } catch (const RunAbandoned& e) {
        EXPECT_NE(e.why.find("CV Ref"), std::string::npos);
    }
    EXPECT_EQ(w.con.screen().line(5), "    No CV Ref questions in the sectors of this run. Press Return");
    EXPECT_EQ(w.con.screen().at(5, 5).bg, RED);
    EXPECT_EQ(w.face.left(), 0u);
}
