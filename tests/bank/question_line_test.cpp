#include <gtest/gtest.h>

#include "bank/bank.h"

using namespace tv;

// The chapter (columns 1-2) and the verse (columns 4-5) are each a number written in
// exactly two columns. A verse written in one column would shift the question text
// by a column, so such a line is refused with the field named, never guessed at.
TEST(QuestionLine, VerseInColumnsFourAndFiveOnly) {
    struct Case {
        std::string line;
        int chapter, verse;   // verse 0: refused
        std::string problem;  // why it is refused
    };
    const Case cases[] = {
        {"17  5\tIf any of you lacks wisdom", 17, 5, ""},
        {"17 05\tq", 17, 5, ""},
        {" 1:12\tq", 1, 12, ""},                    // any separator in column 3
        {"10\t 8\tq", 10, 8, ""},
        {" 1 45 q", 1, 45, ""},                     // a blank after the verse
        {" 3  7\r", 3, 7, ""},                      // CR LF
        {" 2 11\t\xe2\x80\x9cGrace\xe2\x80\x9d \xff", 2, 11, ""},  // bytes above 127
        {"17 5\tIf any of you lacks", 17, 0, "the verse field \"5\t\" is not a number"},
        {"17 5 \tq", 17, 0, "the verse field \"5 \" is not a number"},
        {" 1 123\tq", 1, 0, "the verse field \"123\" is wider than columns 4-5"},
        {" 1  5x\tq", 1, 0, "the verse field \" 5x\" is wider than columns 4-5"},
        {" 1 5", 1, 0, "the verse field \"5\" is not a number"},
        {" 1    6\tq", 1, 0, "the line has no verse number"},
    };
    for (const Case& c : cases) {
        const QuestionRef r = read_question_ref(c.line, default_season());
        EXPECT_EQ(r.verse, c.verse) << c.line;
        EXPECT_EQ(r.problem, c.problem) << c.line;
        EXPECT_EQ(r.chapter, c.chapter) << c.line;
    }
}
