// UTF-8 text lines up in every layout as ASCII does: the golden quiz written with
// curly quotation marks and accented letters gives, turned back, the very packet
// of the plain quiz.
#include "console/utf8.h"
#include "packet_fixture.h"
#include "support/curly.h"

using namespace tv;

TEST(Utf8Layout, CurlyTextTakesTheColumnsOfPlainText) {
    const QuizTables straight = test::golden_quiz();
    QuizTables fancy = straight;
    for (int X = 1; X <= 8; ++X) {
        const std::string second = straight.ALL2[X] == " " ? "" : straight.ALL2[X];
        const std::string line = test::curly(straight.ALL[X] + second);
        // Split as assembly splits a long line: 254 characters, then the rest.
        fancy.ALL[X] = std::string(utf8::prefix(line, 254));
        const std::string_view rest = utf8::slice(line, 254, 254);
        fancy.ALL2[X] = rest.empty() ? " " : std::string(rest);
    }
    for (const char OUT : {'P', 'C', 'T'}) {
        const Style s = test::golden_style(OUT);
        const std::string want = test::write_quiz(s, straight, 8, "Exemple");
        const std::string got = test::write_quiz(s, fancy, 8, test::curly("Exemple"));
        EXPECT_NE(got, want) << OUT;  // the curly text is there
        EXPECT_EQ(test::plain(got), want) << "layout " << OUT;
    }
}
