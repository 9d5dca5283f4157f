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

// Pages of a packet (split at form feeds) and the position on which each starts.
std::vector<std::string> pages(const std::string& packet) {
    std::vector<std::string> out;
    size_t start = 0, ff;
    while ((ff = packet.find('\f', start)) != std::string::npos) {
        out.push_back(packet.substr(start, ff - start));
        start = ff + 1;
    }
    EXPECT_EQ(start, packet.size()) << "the quiz must end with a form feed";
    return out;
}

Style page_style(int LPP) {
    Style s = test::golden_style('P');
    s.LPP = LPP;
    s.AB = 30;
    return s;
}

}  // namespace

// Romans 1:5 CV Ref at position 3, column by column.
TEST(PageLayout, WorkedCvRefLine) {
    QuizTables q = quiz_of("nnR", {0, 0, 0});
    test::put(q, 3, 'R', 'R', " 1: 5\tCV\tThrough whom did we receive grace?");
    Style s = page_style(60);
    s.AB = 3;
    const auto lines = test::lines_of(test::write_quiz(s, q, 3));
    const std::string& l = lines[10];
    ASSERT_EQ(l.size(), 78u);
    EXPECT_EQ(l.substr(0, 6), "CV    ");
    EXPECT_EQ(l.substr(6, 4), " 3. ");
    EXPECT_EQ(l.substr(10, 39), "According to Romans chapter 1 verse 5, ");  // columns 11-49
    EXPECT_EQ(l.substr(49, 22), std::string(22, ' '));                        // 50-71
    EXPECT_EQ(l.substr(71, 7), "R  1: 5");                                    // 72-78
    EXPECT_EQ(lines[11], std::string(15, ' ') + "Through whom did we receive grace?" +
                             std::string(21, ' '));
}

// 78 columns for every name length and quiz number up to 999: the range in
// 1-18, the name centred, the quiz number ending in column 78.
TEST(PageLayout, TitleLine) {
    struct Case {
        int BCHAP, BVER, ECHAP, EVER;
        std::string name;
        int Q2;
        const char* range;
        int name_col;
    };
    const Case cases[] = {
        {1, 5, 18, 26, "Example", 7, "R 1:5 to J 2:26   ", 29},
        {10, 12, 16, 33, "Even", 42, "R 10:12 to R 16:33", 30},
        {17, 1, 21, 9, "", 100, "J 1:1 to J 5:9    ", 32},
        {9, 10, 12, 3, "FourteenLetter", 999, "R 9:10 to R 12:3  ", 25},
        {3, 3, 3, 4, "A", 1, "R 3:3 to R 3:4    ", 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Style s = page_style(60);
        s.BCHAP = c.BCHAP, s.BVER = c.BVER, s.ECHAP = c.ECHAP, s.EVER = c.EVER;
        QuizTables q = quiz_of("n", {1});
        q.Q2 = c.Q2;
        const std::string title = test::lines_of(test::write_quiz(s, q, 1, c.name))[0];
        ASSERT_EQ(title.size(), 78u);
        EXPECT_EQ(title.substr(0, 18), c.range);
        EXPECT_EQ(title.substr(c.name_col - 1, c.name.size() + 15), c.name + " Style Quizzing");
        const std::string number = std::to_string(c.Q2);
        EXPECT_EQ(title.substr(78 - number.size() - 12), "Quiz Number " + number);
    }
}

// LPP 60: a break after a position that leaves LINES above 54, or above 50
// when the next position is FTV or SIT; never after the last position.
TEST(PageLayout, PageBreaks) {
    struct Case {
        const char* why;
        std::string types;
        std::vector<int> lines;  // continuation lines of each regular position
        std::vector<int> first_positions;  // of page 2, 3, ...
    };
    // Every position counts its empty line, its first line and its continuation lines.
    const Case cases[] = {
        // 7 + 6 x 8 = 55 after position 6.
        {"above 54", "nnnnnnnn", {6, 6, 6, 6, 6, 6, 6, 6}, {7}},
        {"54 is not above", "nnnnnnn", {6, 6, 6, 6, 6, 5, 6}, {}},
        // 7 + 4 x 10 + 4 = 51 after position 5.
        {"51 before FTV", "nnnnnF", {8, 8, 8, 8, 2, 0}, {6}},
        {"51 before SIT", "nnnnnS", {8, 8, 8, 8, 2, 0}, {6}},
        {"51 before CV Ref", "nnnnnR", {8, 8, 8, 8, 2, 0}, {}},
        {"51 before regular", "nnnnnn", {8, 8, 8, 8, 2, 0}, {}},
        {"50 before FTV", "nnnnnF", {8, 8, 8, 8, 1, 0}, {}},
        {"not after the last", "nnnnn", {9, 9, 9, 9, 9}, {}},
        // 62 after position 5; page 2 counts from 4: 59 after position 10.
        {"second page", std::string(12, 'n'), std::vector<int>(12, 9), {6, 11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        PacketState st;
        const QuizTables q = quiz_of(c.types, c.lines);
        const auto p = pages(test::write_quiz(page_style(60), q, c.types.size(), "Example", &st));
        ASSERT_EQ(p.size(), c.first_positions.size() + 1);
        for (const auto& page : p) EXPECT_LE(test::lines_of(page).size(), 60u);  // within Lines/Pg
        EXPECT_EQ(st.PAGE, static_cast<int>(p.size()));
        for (size_t i = 0; i < c.first_positions.size(); ++i) {
            const auto lines = test::lines_of(p[i + 1]);
            ASSERT_GE(lines.size(), 4u);
            EXPECT_EQ(lines[0], "Page " + std::to_string(i + 2) + std::string(66, ' ') + "Quiz 4");
            EXPECT_EQ(lines[1], std::string(78, '_'));
            EXPECT_EQ(lines[2], "");
            EXPECT_EQ(std::stoi(lines[3].substr(6, 2)), c.first_positions[i]);
        }
    }
}

// Page numbers from 10 on and quiz numbers from 100 on keep "Page" in column 1
// and the quiz number ending in column 78.
TEST(PageLayout, WidePageAndQuizNumbers) {
    QuizTables q = quiz_of(std::string(12, 'n'), std::vector<int>(12, 8));
    for (int Q2 : {7, 100}) {
        q.Q2 = Q2;
        const auto p = pages(test::write_quiz(page_style(18), q, 12));  // one page a position
        ASSERT_EQ(p.size(), 12u);
        for (int n : {2, 10, 12}) {
            const std::string head = test::lines_of(p[n - 1])[0];
            SCOPED_TRACE(head);
            const std::string page = "Page " + std::to_string(n);
            const std::string quiz = "Quiz " + std::to_string(Q2);
            EXPECT_EQ(head, page + std::string(78 - page.size() - quiz.size(), ' ') + quiz);
        }
    }
}

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

// "^" stays on a first line and becomes "*" on continuation lines.
TEST(PageLayout, CaretOnlyStarredOnContinuationLines) {
    QuizTables q = quiz_of("n", {0});
    test::put(q, 1, 'n', 'R', " 1: 1\tWhat is 2^3?\tIt is 2^3 = 8");
    const auto lines = test::lines_of(test::write_quiz(page_style(60), q, 1));
    EXPECT_EQ(lines[6].substr(10, 12), "What is 2^3?");
    EXPECT_EQ(lines[7].substr(15, 13), "It is 2*3 = 8");
}
