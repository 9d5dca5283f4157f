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

TEST(StyleFile, LastLineWithoutLineEndAndCrLfReadTheSame) {
    std::string text = SAMPLE;
    text.pop_back();
    TextReader a("a", text);
    EXPECT_EQ(read_style(a).TYP, "nnAAAAAAAAAAAAAAAAAAAAnnnnnnnn");
    std::string crlf;
    for (char c : std::string(SAMPLE)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    TextReader b("b", crlf);
    Style s = read_style(b);
    EXPECT_EQ(s.TYP.size(), 30u);
    EXPECT_EQ(s.NAME4, "OutName");
    EXPECT_EQ(s.SETSPC, 'N');
}

TEST(StyleFile, ALetterWhereANumberBelongsIsAnErrorWithItsLine) {
    std::string text = SAMPLE;
    text.replace(text.find("\n60\n") + 1, 2, "x0");
    TextReader in("Bad.spe", text);
    try {
        read_style(in);
        FAIL();
    } catch (const IoError& e) {
        EXPECT_EQ(e.file, "Bad.spe");
        EXPECT_EQ(e.line, 5);
    }
}

TEST(StyleFile, AFileCutShortIsNamedWithTheLineItEndsBefore) {
    std::string text = SAMPLE;
    text.erase(text.rfind("N\n"));  // lines 28 and 29 gone
    TextReader in("Cut.spe", text);
    try {
        read_style(in);
        FAIL();
    } catch (const IoError& e) {
        EXPECT_EQ(e.file, "Cut.spe");
        EXPECT_NE(std::string(e.what()).find("ends before line 28; a style file has 29 lines"),
                  std::string::npos)
            << e.what();
    }
    // A position-type line cut short reads as regular positions at its end.
    std::string short_typ = SAMPLE;
    short_typ.replace(short_typ.rfind('\n', short_typ.size() - 2) + 1, std::string::npos, "nnAAA\n");
    TextReader in2("Short.spe", short_typ);
    EXPECT_EQ(read_style(in2).TYP, "nnAAA" + std::string(25, 'n'));
}

TEST(StyleFile, SettingsOutsideTheFormsValuesAreNamed) {
    TextReader in("s.spe", SAMPLE);
    const Style good = read_style(in);
    EXPECT_EQ(setting_out_of_range(good, default_season()), "");
    struct Case {
        void (*edit)(Style&);
        const char* problem;
    } cases[] = {
        {[](Style& s) { s.LPP = 7; }, "Lines/Pg is 7; it must be 18 to 500"},
        {[](Style& s) { s.QMAX = 1; }, "Number of Questions per pack is 1; it must be 2 to 30"},
        {[](Style& s) { s.QNUM = 0; }, "Number of Quizzes in this Run is 0; it must be 1 to 100"},
        {[](Style& s) { s.BVER = 40; }, "Begin verse is 40; it must be 1 to 21"},
        {[](Style& s) { s.ECHAP = 22; }, "End chapter is 22; it must be 1 to 21 (James 1-5 are 17-21)"},
        {[](Style& s) { s.NAME4 = "../x"; }, "Name of Output File \"../x\" must be letters and digits"},
        {[](Style& s) { s.SEC1 = 'X'; }, "Sector by Chp/Vrs/Que (c/v/q) is \"X\"; it must be one of C, V, Q"},
        {[](Style& s) { s.FMIN = 4; }, "FTV Type Min is 4; it must be 0 to 3"},
        {[](Style& s) { s.PRIMPCT = 85; }, "Pct Prim FTV is 85; it must be 57-60, 68-70, 78-80, 88-90 or 97-100"},
        {[](Style& s) { s.SPLATE = 31; }, "Specialties may appear (to) is 31; it must be 3 to 30"},
        {[](Style& s) { s.TYP[4] = 'x'; }, nullptr},
    };
    for (const Case& c : cases) {
        Style s = good;
        c.edit(s);
        std::string problem = setting_out_of_range(s, default_season());
        if (c.problem)
            EXPECT_EQ(problem, c.problem);
        else
            EXPECT_NE(problem.find("position-type line"), std::string::npos) << problem;
    }
    Style lower = good;
    lower.OUT = 'c';  // letters are taken in either case
    EXPECT_EQ(setting_out_of_range(lower, default_season()), "");
}
