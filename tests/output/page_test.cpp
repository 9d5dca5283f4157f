// The page layout's SIT line without a quotation mark.
#include <array>

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

// The title line ends with its quiz number in column 78 whatever the chapters and verses
// (one digit or two, in either book) and the length of the style name.
TEST(PageLayout, TitleLineEndsInColumn78) {
    const std::array<int, 4> ranges[] = {{1, 5, 18, 26}, {10, 10, 9, 9}, {9, 9, 10, 10}, {16, 1, 21, 18}};
    for (const auto& [bc, bv, ec, ev] : ranges)
        for (const std::string name : {"Example", "Even"}) {
            QuizTables q;
            q.Q2 = 4;
            test::put(q, 1, 'S', 'R', " 1: 1\tName the apostle");
            Style s = test::golden_style('P');
            s.BCHAP = bc, s.BVER = bv, s.ECHAP = ec, s.EVER = ev;
            const std::string title = test::lines_of(test::write_quiz(s, q, 1, name)).at(0);
            EXPECT_EQ(title.size(), 78u) << title;
            EXPECT_EQ(title.substr(title.size() - 14), " Quiz Number 4") << title;
        }
}
