#include <gtest/gtest.h>

#include "bank/bank.h"

using namespace tv;

// The chapter (columns 1-2) and the verse (columns 4-5) are each a number written in
// exactly two columns. A verse written in one column would shift the question text
// by a column, so such a line is refused with the field named, never guessed at.
TEST(QuestionLine, VerseInColumnsFourAndFiveOnly) {
    const std::tuple<std::string, int, int> cases[] = {  // line, chapter, verse (0: refused)
        {"17  5\tIf any of you lacks wisdom", 17, 5},
        {"17 05\tq", 17, 5},
        {" 1:12\tq", 1, 12},  // any separator in column 3
        {"10\t 8\tq", 10, 8},
        {" 1 32 q", 1, 32},   // a blank after the verse
        {" 3  7\r", 3, 7},    // CR LF
        {" 2 11\t\xe2\x80\x9cGrace\xe2\x80\x9d \xff", 2, 11},
        {"17 5\tIf any of you lacks", 17, 0},
        {"17 5 \tq", 17, 0},
        {" 1 123\tq", 1, 0},
        {" 1  5x\tq", 1, 0},
        {" 1 5", 1, 0},
        {" 1    6\tq", 1, 0},
    };
    for (const auto& [line, chapter, verse] : cases) {
        const QuestionRef r = read_question_ref(line, default_season());
        EXPECT_EQ(std::tuple(r.chapter, r.verse), std::tuple(chapter, verse)) << line;
        EXPECT_EQ(r.problem.empty(), verse != 0) << r.problem;
        EXPECT_EQ(r.problem.find("verse") == std::string::npos, verse != 0) << r.problem;
    }
}
