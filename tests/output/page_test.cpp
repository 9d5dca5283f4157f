// The page layout: the worked CV Ref line, the title line, page breaks and
// page headers, and the SIT line without a quotation mark.
#include "packet_fixture.h"

using namespace tv;

namespace {

// A regular question whose first line is "Q<X>?" and whose answer takes exactly
// `lines` continuation lines (at most 9) of one 29-letter word each.
std::string regular(int X, int lines) {
    std::string s = " 1: 1\tQ" + std::to_string(X) + "?\t";
    for (int i = 0; i < lines; ++i) s += std::string(29, 'a') + " ";
    return s;
}

// Positions of the given types; the regular ones have `lines[X-1]`
// continuation lines, the others a short text.
QuizTables quiz_of(const std::string& types, const std::vector<int>& lines) {
    QuizTables q;
    q.Q2 = 4;
    for (int X = 1; X <= static_cast<int>(types.size()); ++X) {
        const char t = types[X - 1];
        test::put(q, X, t, 'R',
                  t == 'n'   ? regular(X, lines[X - 1])
                  : t == 'S' ? " 1: 1\tSay \"so\" * yes"
                  : t == 'F' ? " 1: 1\tFTV\tone two three four five six"
                             : " 1: 1\tCV\tshort");
    }
    return q;
}

Style page_style(int LPP) {
    Style s = test::golden_style('P');
    s.LPP = LPP;
    s.AB = 30;
    return s;
}

}  // namespace

// A SIT text with no quotation mark from position 9 on: the whole text is the
// introduction, and nothing follows it.
TEST(PageLayout, SitWithoutQuotationMark) {
    for (const std::string text : {"Name the apostle to the Gentiles * Paul", "\"Grace to you"}) {
        SCOPED_TRACE(text);
        QuizTables q = quiz_of("S", {0});
        test::put(q, 1, 'S', 'R', " 1: 1\t" + text);
        const auto lines = test::lines_of(test::write_quiz(page_style(60), q, 1));
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[6].substr(0, 10 + text.size() + 1), "SIT    1. " + text + ",");
        EXPECT_EQ(lines[6].substr(72), " 1: 1");
        EXPECT_EQ(lines[7], "\f");
    }
}
