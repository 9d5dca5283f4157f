#include <gtest/gtest.h>

#include "bank/interrogative.h"
#include "support/support.h"

using namespace tv;


TEST(Interrogative, SectorsOfMoreThanAHundredQuestionsKeepEveryMark) {
    ScriptFace face;
    Console con(face);
    std::vector<std::string> lines;
    for (int k = 1; k <= 150; ++k) lines.push_back(k % 2 ? " 2: 1\tWho is it?" : " 2: 1\tNo.");
    std::array<int, MAX_SECTORS + 1> TQPS{};
    TQPS[1] = 150;
    InterrogativeMarks INT = COUNTINT(con, QuestionFile("q", lines), 0, 1, TQPS);
    ASSERT_EQ(INT[1].size(), 151u);
    EXPECT_TRUE(INT[1][149]);
    EXPECT_FALSE(INT[1][150]);
}
