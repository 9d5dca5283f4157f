#include <gtest/gtest.h>

#include "editor/setspec.h"
#include "form_support.h"

using namespace tv;
using namespace tv::test;

namespace {

// A hand-set style: 2 FTV, 1 CV Ref, 1 CO Ref, no SIT; window 5 to 9.
EditorStyle hand_set() {
    EditorStyle s = sample_editor().style;
    s.SETSPC = 'Y';
    s.FMIN = s.FMAX = 2, s.RMIN = s.RMAX = 1, s.OMIN = s.OMAX = 1, s.SMIN = s.SMAX = 0;
    s.SPMIN = s.SPMAX = 4;
    s.SPEARLY = 5, s.SPLATE = 9;
    s.TYP = std::string(30, 'n');
    return s;
}

// Runs the placement screen on s; false when it still waited for a key. Row 12 of
// the screen, columns 31-50, goes to *row when asked for.
bool set_types(EditorStyle& s, const std::vector<int>& keys, std::string* row = nullptr) {
    ScriptFace face(keys);
    Console con(face);
    con.normal();
    const bool done = error_of<ScriptExhausted>([&] { set_specialty_types(con, s); }) == "no error";
    if (row) *row = con.screen().text(12, 31, 20);
    return done;
}

}  // namespace

TEST(SpecialtyTypes, CleaningTheStoredLine) {
    EditorStyle s = hand_set();
    s.SPEARLY = 1, s.SPLATE = 10;
    s.TYP = "FnFRFAAOSn" + std::string(20, 'n');
    EditorStyle shown = s;
    std::string row;
    EXPECT_FALSE(set_types(shown, {}, &row));
    // The third F and the S (SIT max 0) go, every A goes; the rest is counted.
    EXPECT_EQ(shown.TYP, "FnFRnnnOnn" + std::string(20, 'n'));
    // Window 1-10: margin 30, position 1 in columns 31-32.
    EXPECT_EQ(row, " F   F R       O    ");
    EXPECT_TRUE(set_types(s, {RET}));  // 2 F, 1 R, 1 O placed: Return leaves at once
    EXPECT_EQ(s.TYP, shown.TYP);
}

TEST(SpecialtyTypes, HandEditedLinesAndWindowsStayInBounds) {
    EditorStyle s = hand_set();
    s.TYP = "FF";                                              // a short line is filled with regular positions
    EXPECT_TRUE(set_types(s, {RIGHT, 'r', RIGHT, 'o', RET}));  // a lower-case letter counts as its capital
    EXPECT_EQ(s.TYP, "FFnnnRO" + std::string(23, 'n'));
    s.TYP = "";
    EXPECT_TRUE(set_types(s, {'f', RIGHT, 'f', RIGHT, 'r', RIGHT, 'o', RET}));
    EXPECT_EQ(s.TYP, "nnnnFFRO" + std::string(22, 'n'));
    s.TYP = "nnnnFFnR";  // an F turned into an O leaves room for another F
    EXPECT_TRUE(set_types(s, {'O', RIGHT, RIGHT, RIGHT, RIGHT, 'F', RET}));
    EXPECT_EQ(s.TYP, "nnnnOFnRF" + std::string(21, 'n'));

    EditorStyle empty = hand_set();
    empty.SPEARLY = 9, empty.SPLATE = 5;
    empty.FMIN = empty.FMAX = empty.RMIN = empty.RMAX = empty.OMIN = empty.OMAX = 0;
    empty.SPMIN = empty.SPMAX = 0;
    std::vector<int> keys(40, RIGHT);
    keys.insert(keys.end(), {'F', ' ', LEFT, RET});
    EXPECT_TRUE(set_types(empty, keys));
    EXPECT_EQ(empty.TYP, std::string(30, 'n'));
}
