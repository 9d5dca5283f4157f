#include <gtest/gtest.h>

#include <set>

#include "world.h"

using namespace tv;
using namespace tv::test;


TEST(Specialty, ATypeWithNoQuestionInItsSectorsAbandonsTheRun) {
    World w(3, 2);
    w.style.RMAX = 1;
    w.prepare();
    w.face.type("\r");
    try {
        w.choose(1, "Rnn");
        FAIL() << "the run should be abandoned";
    } catch (const RunAbandoned& e) {
        EXPECT_NE(e.why.find("CV Ref"), std::string::npos);
    }
    EXPECT_EQ(w.con.screen().line(5), "    No CV Ref questions in the sectors of this run. Press Return");
    EXPECT_EQ(w.con.screen().at(5, 5).bg, RED);
    EXPECT_EQ(w.face.left(), 0u);
}
