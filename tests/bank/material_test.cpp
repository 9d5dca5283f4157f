#include <gtest/gtest.h>

#include "bank/bank.h"

using namespace tv;

namespace {

Style style(char LG, char REGLST, int PRIMPCT) {
    Style s;
    s.LG = LG;
    s.REGLST = REGLST;
    s.PRIMPCT = PRIMPCT;
    return s;
}

}  // namespace

TEST(BankNames, FromLevelListAndPctPrimFtv) {
    struct Case {
        Style s;
        BankNames want;
    };
    const Case cases[] = {
        {style('F', 'A', 58), {"RJ.A", "FTV.58", "cv.b", "co.b", "count.58A"}},
        {style('F', 'B', 100), {"RJ.B", "FTV.00", "cv.b", "co.b", "count.00B"}},
        {style('F', 'A', 57), {"RJ.A", "FTV.57", "cv.b", "co.b", "count.57A"}},
        {style('L', 'C', 100), {"LLRJ.C", "LLFTV.00", "LLcv.c", "LLco.c", "LLcount.00C"}},
        {style('L', 'B', 89), {"LLRJ.B", "LLFTV.89", "LLcv.b", "LLco.b", "LLcount.89B"}},
        {style('F', 'c', 97), {"RJ.c", "FTV.97", "cv.c", "co.c", "count.97c"}},
    };
    for (const Case& c : cases) {
        const BankNames n = bank_names(c.s);
        SCOPED_TRACE(c.want.count_file);
        EXPECT_EQ(n.F3, c.want.F3);
        EXPECT_EQ(n.F4, c.want.F4);
        EXPECT_EQ(n.F5, c.want.F5);
        EXPECT_EQ(n.F6, c.want.F6);
        EXPECT_EQ(n.count_file, c.want.count_file);
    }
}

TEST(Fintypes, ASectorMayHoldMoreThanFiftyFtvQuestions) {
    std::vector<std::string> lines(120, " 1  1\tF1h\ttext");
    lines[119] = " 1  1\tF1VR\ttext";
    std::array<int, MAX_SECTORS + 1> TFPS{};
    TFPS[1] = 120;
    BankTables t;
    FINTYPES(QuestionFile("FTV.00", lines), 0, 1, TFPS, t);
    ASSERT_EQ(t.FTYPE[1].size(), 121u);
    EXPECT_EQ(t.FTYPE[1][51], 'h');
    EXPECT_EQ(t.FTYPE[1][120], 'R');
}
