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
        {style('L', 'C', 100), {"LLRJ.C", "LLFTV.00", "LLcv.c", "LLco.c", "LLcount.00C"}},
        {style('F', 'c', 97), {"RJ.c", "FTV.97", "cv.c", "co.c", "count.97c"}},
    };
    for (const Case& c : cases) {
        const BankNames n = bank_names(c.s);
        EXPECT_EQ(std::tie(n.F3, n.F4, n.F5, n.F6, n.count_file),
                  std::tie(c.want.F3, c.want.F4, c.want.F5, c.want.F6, c.want.count_file));
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
