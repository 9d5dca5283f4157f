#include <gtest/gtest.h>

#include "style/style.h"
#include "support/support.h"

using namespace tv;

namespace {

// Romans 5:1 to James 2:26, every field distinct where it can be.
const char* SAMPLE =
    "F\n5 1\n18 26\nOutName\n60\nP\n20\nA\n16\n40\nY\n25\nV\n10\n"
    "6\n2\n3\n1\n2\n0\n1\n0\n0\n0\n58\n3\n22\nN\n"
    "nnAAAAAAAAAAAAAAAAAAAAnnnnnnnn\n";

}  // namespace

// A position-type line cut short reads as regular positions at its end. (Line ends:
// TextReader's tests.)
TEST(StyleFile, AShortPositionTypeLineEndsInRegularPositions) {
    std::string short_typ = SAMPLE;
    short_typ.replace(short_typ.rfind('\n', short_typ.size() - 2) + 1, std::string::npos, "nnAAA");
    TextReader in("Short.spe", short_typ);
    EXPECT_EQ(read_style(in).TYP, "nnAAA" + std::string(25, 'n'));
}

// A letter where a number belongs, and a file cut short: the file, the line and the
// problem are named.
TEST(StyleFile, BadFilesAreNamedWithTheirLine) {
    std::string letter = SAMPLE, cut = SAMPLE;
    letter.replace(letter.find("\n60\n") + 1, 2, "x0");
    cut.erase(cut.rfind("N\n"));  // lines 28 and 29 gone
    for (const auto& [text, words] : {std::pair{letter, "(line 5)"}, {cut, "ends before line 28; a style file has 29 lines"}}) {
        TextReader in("Bad.spe", text);
        const std::string told = test::error_of([&] { read_style(in); });
        EXPECT_NE(told.find("\"Bad.spe\""), std::string::npos) << told;
        EXPECT_NE(told.find(words), std::string::npos) << told;
    }
}

TEST(StyleFile, SettingsOutsideTheFormsValuesAreNamed) {
    TextReader in("s.spe", SAMPLE);
    const Style good = read_style(in);
    EXPECT_EQ(setting_out_of_range(good, default_season()), "");
    const std::pair<void (*)(Style&), const char*> cases[] = {
        // Used by a run as they are: kept as the file holds them.
        {[](Style& s) { s.LPP = 7, s.AB = -3, s.IPC = 150, s.REPEATPCT = 999, s.PRIMPCT = 85, s.SPEARLY = 12; }, ""},
        {[](Style& s) { s.ECHAP = s.BCHAP, s.EVER = s.BVER; }, ""},  // a material of one verse
        {[](Style& s) { s.QMAX = 1; }, "Number of Questions per pack is 1; it must be 2 to 30"},
        {[](Style& s) { s.QNUM = 0; }, "Number of Quizzes in this Run is 0; it must be 1 to 100"},
        {[](Style& s) { s.BVER = 40; }, "Begin verse is 40; it must be 1 to 21"},
        {[](Style& s) { s.ECHAP = 22; }, "End chapter is 22; it must be 1 to 21 (James 1-5 are 17-21)"},
        {[](Style& s) { s.NAME4 = "../x"; }, "Name of Output File \"../x\" must be letters and digits"},
        {[](Style& s) { s.SEC1 = 'X'; }, "Sector by Chp/Vrs/Que (c/v/q) is \"X\"; it must be one of C, V, Q"},
        {[](Style& s) { s.FMIN = 4; }, "FTV Type Min is 4; it must be 0 to 3"},
        {[](Style& s) { s.SPLATE = 31; }, "Specialties may appear (to) is 31; it must be 3 to 30"},
        {[](Style& s) { s.TYP[4] = 'x'; }, nullptr}, {[](Style& s) { s.OUT = 'c'; }, ""},  // letters are taken in either case
    };
    for (const auto& [edit, told] : cases) {
        Style s = good;
        edit(s);
        std::string problem = setting_out_of_range(s, default_season());
        if (told)
            EXPECT_EQ(problem, told);
        else
            EXPECT_NE(problem.find("position-type line"), std::string::npos) << problem;
    }
}
