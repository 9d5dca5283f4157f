#include <gtest/gtest.h>

#include "bank/interrogative.h"

using namespace tv;

// The openings that mark a question as put directly, the clauses that clear the mark
// again (docs/how-it-works.md 4.5), and the edges of the comparison: exact text from
// column 7, only a lower-case "w" read as "W".
TEST(InterrogativeRules, OpeningsMarkAndExceptionsClear) {
    const char* marked[] = {"Is it?", "Are they?", "Can he?", "Did he?", "Was it?", "Who is he?", "Who, then?", "Why is it?",
        "Why, then?", "How is it?", "How, then?", "What is it?", "What, then?", "Whom do we?", "Whom, then?", "Will he?",
        "When did he?", "When, then?", "Do we know?", "Where is it?", "Where, then?", "Which is it?", "Which, then?",
        "Whose is it?", "Whose, then?", "what is it?", "How much did he?"};
    const char* not_marked[] = {"What I say", "When I came", "When a man", "When he came", "When God saw", "When we came",
        "When Gentiles", "When tempted", "When you pray", "When his hour", "When Melchizedek", "When the day came",
        "How much more", "How beautiful", "How much less", "When this is", "When they came", "Where sin grew", "Where you go",
        "How shall we", "When there was", "When everything", "Where these are", "is it so?", "Whoever hears", "IS it?",
        "Do you know?", "When", ""};
    for (const char* text : marked) EXPECT_TRUE(is_interrogative(std::string(" 1: 1\t") + text)) << text;
    for (const char* text : not_marked) EXPECT_FALSE(is_interrogative(std::string(" 1: 1\t") + text)) << text;
}
