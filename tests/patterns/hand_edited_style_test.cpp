// Style files edited by hand can hold what the form never stores: letters in either
// case, values out of range, more specialties than places. Each is read as meant or
// refused within the screen, and never traps the user.
#include <gtest/gtest.h>

#include "editor/form_support.h"
#include "editor/setspec.h"
#include "patterns_support.h"

using namespace tv;
using namespace tv::test;

// "n" on line 28 makes the patterns be drawn, not taken from the position-type line.
TEST(HandEditedStyle, LowerCaseLettersMeanWhatUpperCaseOnesDo) {
    TempDir dir;
    dir.write("Low.spe", "f\n1 1\n2 29\nout\n60\np\n20\na\n16\n50\ny\n10\nv\n0\n3\n2\n2\n1\n1\n0\n1\n0\n0\n0\n100\n3\n18\nn\n" +
                             std::string(2, 'n') + std::string(16, 'A') + std::string(12, 'n') + "\n");
    const EditorStyle s = READIN(dir.files(), "Low.spe", default_season());
    EXPECT_EQ(std::string({s.LG, s.OUT, s.REGLST, s.INDX, s.SEC1, s.SETSPC}), "FPAYVN");
    Random r(9);
    for (int q = 0; q < 20; ++q) {
        Patterns P;
        const std::string pat = SPECPAT(P, s, r);
        EXPECT_TRUE(count_specialties(pat) >= 2 && count_specialties(pat) <= 3) << pat;
        EXPECT_EQ(pat.substr(0, 2) + pat.substr(18), std::string(14, 'n')) << pat;
    }
}

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

// More letters to place than the window has positions: Return can never be accepted,
// Esc leaves with the stored line as it was.
TEST(HandEditedStyle, EscLeavesTheSpecialtyTypeScreen) {
    EditorStyle s = sample_editor().style;
    s.SETSPC = 'Y';
    s.FMIN = s.FMAX = 10, s.RMIN = s.RMAX = 10, s.OMIN = s.OMAX = 10, s.SMIN = s.SMAX = 2;
    s.SPMIN = s.SPMAX = 32;
    s.SPEARLY = 1, s.SPLATE = 35;
    s.TYP = "FFRR" + std::string(26, 'n');
    ScriptFace face({RET, 'O', ESC});
    Console con(face);
    EXPECT_FALSE(SETSPEC(con, s));
    EXPECT_EQ(std::tuple(s.TYP, face.left()), std::tuple("FFRR" + std::string(26, 'n'), 0u));
}
