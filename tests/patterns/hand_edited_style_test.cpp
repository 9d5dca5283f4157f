// Style files edited by hand can hold what the form never stores (the session
// hand_edited shows letters in either case and more letters than places).
#include <gtest/gtest.h>

#include "editor/form_support.h"
#include "patterns_support.h"

using namespace tv;
using namespace tv::test;

// A refusal longer than the screen is wide goes on at its column on the next row.
TEST(HandEditedStyle, ALongRefusalStaysWithinTheScreen) {
    EditorStyle s = generating(1, 30, 4, 4, {4, 4}, {0, 0}, {0, 0}, {0, 0});
    s.SETSPC = 'Y';
    s.TYP = std::string(20, 'F') + std::string(10, 'n');
    TempDir dir;
    ScriptFace face(keys("\r"));
    Console con(face);
    Random random(1);
    Patterns P;
    EXPECT_THROW(make_patterns(con, dir.files(), random, s, 3, P), RunAbandoned);
    EXPECT_EQ(con.screen().line(5) + " " + con.screen().line(6).substr(2),
              "  The specialty positions set by hand hold 20 questions, but the type maxima add up to 4.");
}
