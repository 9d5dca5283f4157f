// The card layout's padding to whole cards.
#include "packet_fixture.h"

using namespace tv;

// A card is padded with at least one empty line up to 18 or 36 lines; a card
// whose text took 36 lines or more goes on to the next multiple of 18.
TEST(CardLayout, PaddingToWholeCards) {
    const std::string word(36, 'w');  // one word a line in the 37-character window
    auto repeat = [](const std::string& s, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += s;
        return out;
    };
    const std::pair<std::string, size_t> cases[] = {
        // the answer, the lines of its card
        {repeat(word + " ", 10), 18},  // 7 + 10 = 17 lines, one empty line
        {repeat(word + " ", 11), 36},  // 18 lines: at least one more, up to 36
        {repeat("Why? ", 15), 54},     // 15 continuation lines, each ending in "?" and an empty line: 37
    };
    for (const auto& [answer, card_lines] : cases) {
        SCOPED_TRACE(card_lines);
        QuizTables q;
        q.Q2 = 3;
        test::put(q, 1, 'n', 'R', " 1: 1\tWho?\t" + answer);
        const auto lines = test::lines_of(test::write_quiz(test::golden_style('C'), q, 1));
        ASSERT_EQ(lines.size(), 18 + card_lines);  // after the title card
        EXPECT_EQ(lines.back(), "");
    }
}
