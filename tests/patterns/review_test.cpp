#include <gtest/gtest.h>

#include <optional>

#include "patterns/patterns.h"
#include "patterns_support.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;
using tv::test::generating;

namespace {

const std::string RESHUFFLE =
    "   Press Space Bar to Reshuffle the Specialty pattern for a particular quiz";
const std::string ACCEPT = " Press Enter to accept all patterns";

// A recognisable pattern per quiz: an F at a position that moves with the quiz number.
std::string sample_pattern(int q) {
    std::string p(30, 'n');
    p[(q - 1) % 30] = 'F';
    p[(q + 9) % 30] = 'R';
    return p;
}

struct Rig {
    explicit Rig(int quizzes, int qmax = 20) {
        s = generating(1, 20, 3, 6, {1, 3}, {1, 3}, {0, 2}, {0, 0});
        s.QMAX = qmax;
        P.QZ = quizzes;
        P.PAT.assign(quizzes + 1, "");
        for (int q = 1; q <= quizzes; ++q) P.PAT[q] = sample_pattern(q);
    }
    Rig(const Rig&) = delete;  // the console and the draws refer to members
    // Runs the review on the keys; true when it ended, false when it asked for more.
    bool review(const std::vector<int>& keys) {
        face.add(keys);
        try {
            if (s.QMAX <= 30)
                WRITESPECS(con, P, s, draws);
            else
                WRITESPECS75(con, P, s, draws);
            return true;
        } catch (const ScriptExhausted&) {
            return false;
        }
    }
    const Screen& screen() const { return con.screen(); }

    ScriptFace face;
    Console con{face};
    Random random{7};
    GeneratorDraws draws{random};
    Patterns P;
    EditorStyle s;
};

// The quiz shown highlighted (white on red), if any.
std::optional<int> lit_quiz(const Screen& sc) {
    for (int row = 6; row <= 20; ++row)
        for (int col : {1, 4, 42})
            if (sc.at(col, row).bg == RED) return std::stoi(sc.text(row, col, 3));
    return std::nullopt;
}

std::string quiz_line(int q, const std::string& pat) {
    std::string n = std::to_string(q);
    return std::string(3 - n.size(), ' ') + n + ". " + pat;
}

}  // namespace

TEST(WriteSpecs, SevenQuizzesOnePageOneColumn) {
    Rig r(7);
    EXPECT_FALSE(r.review({}));
    const Screen& sc = r.screen();
    EXPECT_EQ(sc.text(3, 2, RESHUFFLE.size()), RESHUFFLE);
    EXPECT_EQ(sc.line(4), "");
    EXPECT_EQ(sc.line(5), "            5   10   15   20   25   30");  // no second ruler
    EXPECT_EQ(sc.at(13, 5).fg, LIGHTRED);
    EXPECT_EQ(sc.at(13, 5).bg, BLUE);
    for (int q = 1; q <= 7; ++q) EXPECT_EQ(sc.line(5 + q), "   " + quiz_line(q, r.P.PAT[q]));
    EXPECT_EQ(sc.line(13), "");
    EXPECT_EQ(sc.text(22, 4, ACCEPT.size()), ACCEPT);
    EXPECT_EQ(lit_quiz(sc), 1);
}

TEST(WriteSpecs, HighlightMovesAndWrapsOnOnePage) {
    struct Case {
        std::vector<int> keys;
        int lit;
    };
    const int up = ext(key::UP), down = ext(key::DOWN), left = ext(key::LEFT), right = ext(key::RIGHT);
    const Case cases[] = {
        {{down}, 2},
        {{up}, 7},                                       // Up from quiz 1 to quiz 7
        {{up, down}, 1},                                 // Down from quiz 7 to quiz 1
        {{down, down, down, down, down, down, down}, 1},
        {{right}, 1},                                    // no right column
        {{down, down, left}, 3},
        {{'P', 'H', 'K'}, 1},                            // letters sharing the arrows' codes
        {{'p', 'h', 'x'}, 1},                            // other keys do nothing
    };
    for (const Case& c : cases) {
        Rig r(7);
        EXPECT_FALSE(r.review(c.keys));
        EXPECT_EQ(lit_quiz(r.screen()), c.lit) << test::dump(r.screen());
    }
}

TEST(WriteSpecs, ColoursOfTheLinesAndTheHighlight) {
    Rig r(20);
    EXPECT_FALSE(r.review({ext(key::DOWN)}));
    const Screen& sc = r.screen();
    // Quiz 1 (left column, row 6) back in the normal colours, every fifth letter white.
    for (int col = 4; col <= 38; ++col) {
        int letter = col - 8;  // letters from column 9
        int fg = letter >= 1 && letter % 5 == 0 ? WHITE : YELLOW;
        EXPECT_EQ(sc.at(col, 6).fg, fg) << "column " << col;
        EXPECT_EQ(sc.at(col, 6).bg, BLUE) << "column " << col;
    }
    // Quiz 2 highlighted entirely, number included.
    for (int col = 4; col <= 38; ++col) {
        EXPECT_EQ(sc.at(col, 7).fg, WHITE) << "column " << col;
        EXPECT_EQ(sc.at(col, 7).bg, RED) << "column " << col;
    }
    // Right column: the fifth letter of quiz 16 stands under the "5" of the second ruler.
    EXPECT_EQ(sc.text(5, 51, 26), "5   10   15   20   25   30");
    EXPECT_EQ(sc.text(6, 42, 35), quiz_line(16, r.P.PAT[16]));
    EXPECT_EQ(sc.at(51, 6).fg, WHITE);
    EXPECT_EQ(sc.at(50, 6).fg, YELLOW);
}

TEST(WriteSpecs, FortyQuizzesOnTwoPages) {
    const int up = ext(key::UP), left = ext(key::LEFT), right = ext(key::RIGHT);
    {
        Rig r(40);
        EXPECT_FALSE(r.review({}));
        const Screen& sc = r.screen();
        EXPECT_EQ(sc.text(6, 4, 35), quiz_line(1, r.P.PAT[1]));
        EXPECT_EQ(sc.text(20, 4, 35), quiz_line(15, r.P.PAT[15]));
        EXPECT_EQ(sc.text(6, 42, 35), quiz_line(16, r.P.PAT[16]));
        EXPECT_EQ(sc.text(20, 42, 35), quiz_line(30, r.P.PAT[30]));
    }
    struct Case {
        std::vector<int> keys;
        int lit;
    };
    const Case cases[] = {
        {{right}, 16}, {{right, left}, 1}, {{up}, 30},
        {{key::ENTER}, 31}, {{key::ENTER, up}, 40},     // Up from the first quiz of page 2
        {{key::ENTER, right}, 31},                      // page 2 has no right column
        {{key::ESC}, 31},                               // Esc accepts the page
    };
    for (const Case& c : cases) {
        Rig r(40);
        EXPECT_FALSE(r.review(c.keys));
        EXPECT_EQ(lit_quiz(r.screen()), c.lit) << test::dump(r.screen());
    }
    Rig r(40);
    EXPECT_FALSE(r.review({key::ENTER}));
    const Screen& sc = r.screen();
    EXPECT_EQ(sc.text(3, 2, RESHUFFLE.size()), RESHUFFLE);  // rows 3-5 stay
    EXPECT_EQ(sc.text(5, 51, 26), "5   10   15   20   25   30");
    EXPECT_EQ(sc.line(6), "   " + quiz_line(31, r.P.PAT[31]));
    EXPECT_EQ(sc.line(15), "   " + quiz_line(40, r.P.PAT[40]));
    EXPECT_EQ(sc.line(16), "");
    EXPECT_EQ(sc.text(22, 4, ACCEPT.size()), ACCEPT);

    Rig both(40);
    EXPECT_TRUE(both.review({key::ENTER, key::ENTER}));
    EXPECT_FALSE(both.P.BACK);
    EXPECT_EQ(both.screen().line(6), "");  // the last page is cleared on leaving
}

TEST(WriteSpecs, SpaceReshufflesOnlyTheHighlightedQuiz) {
    const std::string marker(30, 'x');
    auto mark = [&](Rig& r) {
        for (int q = 1; q <= 7; ++q) r.P.PAT[q] = marker;
    };
    Rig once(7);
    mark(once);
    EXPECT_FALSE(once.review({ext(key::DOWN), ' '}));
    std::string first = once.P.PAT[2];
    EXPECT_NE(first, marker);
    EXPECT_EQ(count_specialties(first), once.P.SPECS);
    EXPECT_EQ(once.screen().text(7, 4, 35), quiz_line(2, first));
    EXPECT_EQ(once.screen().at(9, 7).bg, RED);

    Rig twice(7);  // the same seed: the first press draws the same pattern
    mark(twice);
    EXPECT_TRUE(twice.review({ext(key::DOWN), ' ', ' ', key::ESC}));
    EXPECT_NE(twice.P.PAT[2], first);
    EXPECT_NE(twice.P.PAT[2], marker);
    for (int q : {1, 3, 4, 5, 6, 7}) EXPECT_EQ(twice.P.PAT[q], marker) << "quiz " << q;
}

TEST(WriteSpecs, ReshufflingAFixedPatternGivesItAgain) {
    Rig r(3);
    r.s = generating(1, 30, 2, 2, {1, 1}, {1, 1}, {0, 0}, {0, 0});
    r.s.SETSPC = 'Y';
    r.s.TYP = "nnnnFnnnnnnnRnnnnnnnnnnnnnnnnn";
    for (int q = 1; q <= 3; ++q) r.P.PAT[q] = r.s.TYP;
    EXPECT_TRUE(r.review({' ', ext(key::DOWN), ' ', ' ', key::ENTER}));
    for (int q = 1; q <= 3; ++q) EXPECT_EQ(r.P.PAT[q], r.s.TYP);
}

TEST(WriteSpecs75, OneColumnOfSeventyFivePositions) {
    Rig r(20, 40);
    EXPECT_FALSE(r.review({ext(key::RIGHT), ext(key::LEFT)}));
    const Screen& sc = r.screen();
    EXPECT_EQ(sc.line(5),
              "        5   10   15   20   25   30   35   40   45   50   55   60   65   70   75");
    EXPECT_EQ(sc.line(6), "  1." + r.P.PAT[1] + std::string(45, 'n'));
    EXPECT_EQ(sc.line(20), " 15." + r.P.PAT[15] + std::string(45, 'n'));
    EXPECT_EQ(sc.line(21), "");
    EXPECT_EQ(sc.at(9, 7).fg, WHITE);   // fifth letter of quiz 2
    EXPECT_EQ(sc.at(79, 7).fg, WHITE);  // 75th
    EXPECT_EQ(sc.at(78, 7).fg, YELLOW);
    EXPECT_EQ(lit_quiz(sc), 1);  // Left and Right do nothing

    Rig up(20, 40);
    EXPECT_FALSE(up.review({ext(key::UP)}));
    EXPECT_EQ(lit_quiz(up.screen()), 15);

    Rig page2(20, 40);
    EXPECT_FALSE(page2.review({key::ENTER, ext(key::UP)}));
    EXPECT_EQ(lit_quiz(page2.screen()), 20);
    EXPECT_EQ(page2.screen().line(10), " 20." + page2.P.PAT[20] + std::string(45, 'n'));
    EXPECT_EQ(page2.screen().line(11), "");
}

TEST(WriteSpecs75, EscEndsTheReviewAndSetsBack) {
    Rig r(20, 40);
    EXPECT_TRUE(r.review({ext(key::DOWN), key::ESC}));
    EXPECT_TRUE(r.P.BACK);
    EXPECT_EQ(r.face.left(), 0u);
}
