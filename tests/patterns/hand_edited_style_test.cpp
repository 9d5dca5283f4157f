// Style files edited by hand: letters in either case, and refusals that fit the
// screen.
#include <gtest/gtest.h>

#include "patterns/patterns.h"
#include "patterns_support.h"
#include "support/support.h"

using namespace tv;
using tv::test::generating;

// Every letter of the file is read without regard to case: "n" on line 28 makes
// the patterns be drawn, not taken from the position-type line.
TEST(HandEditedStyle, LowerCaseLettersMeanWhatUpperCaseOnesDo) {
    test::TempDir dir;
    dir.write("Low.spe",
              "f\n1 1\n2 29\nout\n60\np\n20\na\n16\n50\ny\n10\nv\n0\n"
              "3\n2\n2\n1\n1\n0\n1\n0\n0\n0\n100\n3\n18\nn\n" +
                  std::string(2, 'n') + std::string(16, 'A') + std::string(12, 'n') + "\n");
    const EditorStyle s = READIN(dir.files(), "Low.spe", default_season());
    EXPECT_EQ(std::string({s.LG, s.OUT, s.REGLST, s.INDX, s.SEC1, s.SETSPC}), "FPAYVN");
    Random r(9);
    for (int q = 0; q < 20; ++q) {
        Patterns P;
        const std::string pat = SPECPAT(P, s, r);
        EXPECT_GE(count_specialties(pat), 2) << pat;
        EXPECT_LE(count_specialties(pat), 3) << pat;
        EXPECT_EQ(pat.substr(0, 2) + pat.substr(18), std::string(14, 'n')) << pat;
    }
}

// A refusal longer than the screen is wide is broken between words and goes on
// at its column on the next row.
TEST(HandEditedStyle, ALongRefusalStaysWithinTheScreen) {
    EditorStyle s = generating(1, 30, 4, 4, {4, 4}, {0, 0}, {0, 0}, {0, 0});
    s.SETSPC = 'Y';
    s.TYP = std::string(20, 'F') + std::string(10, 'n');
    test::TempDir dir;
    ScriptFace face(test::keys("\r"));
    Console con(face);
    Random random(1);
    Patterns P;
    EXPECT_THROW(make_patterns(con, dir.files(), random, s, 3, P), RunAbandoned);
    const Screen& sc = con.screen();
    EXPECT_EQ(sc.line(5) + " " + sc.line(6).substr(2),
              "  The specialty positions set by hand hold 20 questions, but the type maxima "
              "add up to 4.");
    for (int row = 2; row <= 24; ++row)
        EXPECT_TRUE(sc.line(row).empty() || sc.line(row).substr(0, 2) == "  ")
            << "row " << row << ": " << sc.line(row);
    EXPECT_EQ(sc.line(8).substr(0, 40), "  Change the style's specialty settings.");
}
