// The page layout's SIT line without a quotation mark.
#include "packet_fixture.h"

using namespace tv;

// A SIT text with no quotation mark from position 9 on: the whole text is the
// introduction, and nothing follows it.
TEST(PageLayout, SitWithoutQuotationMark) {
    for (const std::string text : {"Name the apostle to the Gentiles * Paul", "\"Grace to you"}) {
        SCOPED_TRACE(text);
        QuizTables q;
        q.Q2 = 4;
        test::put(q, 1, 'S', 'R', " 1: 1\t" + text);
        Style s = test::golden_style('P');
        s.LPP = 60, s.AB = 30;
        const auto lines = test::lines_of(test::write_quiz(s, q, 1));
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[6].substr(0, 10 + text.size() + 1), "SIT    1. " + text + ",");
        EXPECT_EQ(lines[6].substr(72), " 1: 1");
        EXPECT_EQ(lines[7], "\f");
    }
}
