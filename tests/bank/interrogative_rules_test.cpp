#include <gtest/gtest.h>

#include "bank/interrogative.h"

using namespace tv;

// The openings that mark a question as put directly, the clauses that clear the mark
// again (docs/how-it-works.md 4.5), and the edges of the comparison: exact text from
// column 7, only a lower-case "w" read as "W".
TEST(InterrogativeRules, OpeningsMarkAndExceptionsClear) {
    const struct {
        const char* text;
        bool marked;
    } rows[] = {
        {"Is it so?", true}, {"Are they?", true}, {"Can he?", true}, {"Did he?", true},
        {"Was it?", true}, {"Who is he?", true}, {"Who, then?", true}, {"Why is it?", true},
        {"Why, then?", true}, {"How is it?", true}, {"How, then?", true}, {"What is it?", true},
        {"What, then?", true}, {"Whom do we?", true}, {"Whom, then?", true}, {"Will he?", true},
        {"When did he?", true}, {"When, then?", true}, {"Do we know?", true}, {"Where is it?", true},
        {"Where, then?", true}, {"Which is it?", true}, {"Which, then?", true},
        {"Whose is it?", true}, {"Whose, then?", true},
        {"What I say", false}, {"When I came", false}, {"When a man", false}, {"When he came", false},
        {"When God saw", false}, {"When we came", false}, {"When Gentiles", false},
        {"When tempted", false}, {"When you pray", false}, {"When his hour", false},
        {"When Melchizedek", false}, {"When the day came", false}, {"How much more", false},
        {"How beautiful", false}, {"How much less", false}, {"When this is", false},
        {"When they came", false}, {"Where sin grew", false}, {"Where you go", false},
        {"How shall we", false}, {"When there was", false}, {"When everything", false},
        {"Where these are", false},
        // The edges.
        {"what is it?", true}, {"is it so?", false}, {"Whoever hears", false}, {"IS it?", false},
        {"How much did he?", true}, {"Do you know?", false}, {"When", false}, {"", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(is_interrogative(std::string(" 1: 1\t") + row.text), row.marked) << row.text;
}
