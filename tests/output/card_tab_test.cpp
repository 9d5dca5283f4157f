// The card layout's padding and SIT card, and the tab layout's text rules.
#include "packet_fixture.h"

using namespace tv;

namespace {

// Lines of the card of position 1 (after the 18-line title card).
std::vector<std::string> first_card(const QuizTables& q, int sectors = 1) {
    auto lines = test::lines_of(test::write_quiz(test::golden_style('C'), q, sectors));
    EXPECT_GE(lines.size(), 18u);
    return {lines.begin() + 18, lines.end()};
}

QuizTables one(char type, const std::string& line) {
    QuizTables q;
    q.Q2 = 3;
    test::put(q, 1, type, 'R', line);
    return q;
}

}  // namespace

// A card is padded with at least one empty line up to 18 or 36 lines; a card
// whose text took 36 lines or more goes on to the next multiple of 18.
TEST(CardLayout, PaddingToWholeCards) {
    struct Case {
        std::string answer;
        size_t card_lines;
    };
    const std::string word(36, 'w');  // one word a line in the 37-character window
    auto answer_of = [&](int words) {
        std::string s;
        for (int i = 0; i < words; ++i) s += word + " ";
        return s;
    };
    std::string questions;  // 15 continuation lines, each ending in "?" and an empty line
    for (int i = 0; i < 15; ++i) questions += "Why? ";
    const Case cases[] = {
        {answer_of(10), 18},  // 7 + 10 = 17 lines, one empty line
        {answer_of(11), 36},  // 18 lines: at least one more, up to 36
        {answer_of(15), 36},  // 22 lines
        {questions, 54},      // 7 + 30 = 37 lines
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.card_lines);
        const auto lines = first_card(one('n', " 1: 1\tWho?\t" + c.answer));
        ASSERT_EQ(lines.size(), c.card_lines);
        EXPECT_EQ(lines.back(), "");
    }
}

// The text ends before three blanks in a row (running to the end of the buffer
// without them: the golden tab packet).
TEST(TabLayout, TextEndsBeforeThreeBlanks) {
    EXPECT_EQ(test::lines_of(test::write_quiz(test::golden_style('T'), one('n', " 1: 1\tWho?\tPaul   left out"), 1))[3],
              " 1\t\tWho?\tPaul\t(R  1: 1)");
}
