#include <gtest/gtest.h>

#include "bank/bank.h"
#include "bank/interrogative.h"
#include "support/support.h"

using namespace tv;

// The five bank files of a style. (Names level L and the lists A and C take in whole
// runs are also met by the rule test and the flows; a list "c" only comes this way.)
TEST(BankNames, FromLevelListAndPctPrimFtv) {
    // level, list, Pct Prim FTV, names
    const std::tuple<char, char, int, std::string> cases[] = {{'F', 'A', 58, "RJ.A FTV.58 cv.b co.b count.58A"},
        {'L', 'C', 100, "LLRJ.C LLFTV.00 LLcv.c LLco.c LLcount.00C"}, {'F', 'c', 97, "RJ.c FTV.97 cv.c co.c count.97c"}};
    for (const auto& [LG, REGLST, PRIMPCT, want] : cases) {
        Style s;
        s.LG = LG, s.REGLST = REGLST, s.PRIMPCT = PRIMPCT;
        const BankNames n = bank_names(s);
        EXPECT_EQ(n.F3 + " " + n.F4 + " " + n.F5 + " " + n.F6 + " " + n.count_file, want);
    }
}

TEST(FtvKinds, ASectorMayHoldMoreThanFiftyFtvQuestions) {
    std::vector<std::string> lines(120, " 1  1\tF1h\ttext");
    lines[118] = " 1  1\tF1hR\ttext";  // R after another kind is no cross-reference
    lines[119] = " 1  1\tF1VR\ttext";
    std::array<int, MAX_SECTORS + 1> TFPS{};
    TFPS[1] = 120;
    BankTables t;
    read_ftv_kinds(QuestionFile("FTV.00", lines), 0, 1, TFPS, t);
    ASSERT_EQ(t.FTYPE[1].size(), 121u);
    EXPECT_EQ(t.FTYPE[1][51], 'h');
    EXPECT_EQ(t.FTYPE[1][119], 'h');
    EXPECT_EQ(t.FTYPE[1][120], 'R');
}

TEST(Interrogative, SectorsOfMoreThanAHundredQuestionsKeepEveryMark) {
    std::vector<std::string> lines;
    for (int k = 1; k <= 150; ++k) lines.push_back(k % 2 ? " 2: 1\tWho is it?" : " 2: 1\tNo.");
    std::array<int, MAX_SECTORS + 1> TQPS{};
    TQPS[1] = 150;
    InterrogativeMarks INT = mark_interrogatives(QuestionFile("q", lines), 0, 1, TQPS);
    ASSERT_EQ(INT[1].size(), 151u);
    EXPECT_TRUE(INT[1][149]);
    EXPECT_FALSE(INT[1][150]);
}
