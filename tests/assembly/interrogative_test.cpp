#include <gtest/gtest.h>

#include "bank/interrogative.h"
#include "support/support.h"

using namespace tv;

namespace {

struct Case {
    const char* text;  // the question text, from column 7
    bool interrogative;
};

const Case CASES[] = {
    {"Who is the servant of Jesus Christ?", true},
    {"Who, in the letter, is called?", true},
    {"Whoever calls on the name?", false},   // "Whoe" is no opening
    {"what is the gospel?", true},           // a lower-case w counts as W
    {"is it by works?", false},              // only w is taken as upper case
    {"Is the law sin?", true},
    {"When the Gentiles do by nature?", false},
    {"When did Abraham believe?", true},
    {"How much more shall we be saved?", false},
    {"How much less ...?", false},
    {"How much did he give?", true},         // ten characters, no exception
    {"How beautiful are the feet?", false},
    {"How shall we escape?", false},
    {"How shall he live?", true},
    {"Do we then make void the law?", true},
    {"Do you not know?", false},
    {"Where these things are?", false},
    {"Where is boasting then?", true},
    {"Where sin abounded?", false},
    {"What I would do?", false},
    {"What, then, shall we say?", true},
    {"When everything is subject?", false},
    {"When there was no law?", false},
    {"when the sun rose?", false},           // lower-case w, then an exception
    {"Whose are the fathers?", true},
    {"Which, being interpreted?", true},
    {"Why do you judge?", true},
    {"Will God cast away?", true},
    {"Whom did he foreknow?", true},
    {"Can a fig tree bear olives?", true},
    {"Paul calls himself what?", false},
    {"Is", false},                           // too short for "Is "
    {"", false},
};

}  // namespace

TEST(Interrogative, OpeningsAndExceptions) {
    for (const Case& c : CASES) {
        std::string line = std::string(" 1: 1\t") + c.text + "\tanswer";
        if (*c.text == '\0') line = " 1: 1\t";
        EXPECT_EQ(is_interrogative(line), c.interrogative) << c.text;
    }
}

TEST(Interrogative, TheQuestionMustStartInColumnSeven) {
    EXPECT_TRUE(is_interrogative(" 1: 1\tWho is he?"));
    EXPECT_FALSE(is_interrogative(" 1: 1\t Who is he?"));
    EXPECT_TRUE(is_interrogative(" 1: 1 Who is he?"));  // only the column counts
    EXPECT_FALSE(is_interrogative("1:1\tWho is he?"));
}

TEST(Interrogative, CountintMarksEachSectorFromTheLinesAfterTheMaterialStart) {
    ScriptFace face;
    Console con(face);
    // Two lines before the material, then sector 1 (2 lines), sector 2 (none), sector 3 (3 lines).
    QuestionFile F3("RJ.A", {" 1: 1\tWho before?", " 1: 2\tNot before",
                             " 1: 3\tWho one?", " 1: 4\tPlain two",
                             " 1: 5\tPlain three", " 1: 6\tIs four?", " 1: 7\twhere five?",
                             " 1: 8\tWho after?"});
    std::array<int, MAX_SECTORS + 1> TQPS{};
    TQPS[1] = 2;
    TQPS[2] = 0;
    TQPS[3] = 3;
    InterrogativeMarks INT = COUNTINT(con, F3, 2, 3, TQPS);
    EXPECT_EQ(INT[1], (std::vector<bool>{false, true, false}));
    EXPECT_EQ(INT[2], (std::vector<bool>{false}));
    EXPECT_EQ(INT[3], (std::vector<bool>{false, false, true, true}));
    EXPECT_TRUE(INT[4].empty());
    EXPECT_EQ(con.screen().line(3), "  Creating index of interrogatives...");
}

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
