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

struct SpecSession {
    ScriptFace face;
    Console con{face};
    EditorStyle s;
    bool done = false;

    explicit SpecSession(EditorStyle style) : s(std::move(style)) {}
    SpecSession& run(const std::vector<int>& keys) {
        face.add(keys);
        con.normal();
        try {
            SETSPEC(con, s);
            done = true;
        } catch (const ScriptExhausted&) {
        }
        return *this;
    }
    const Screen& screen() const { return con.screen(); }
};

}  // namespace

TEST(SetSpec, CleaningTheStoredLine) {
    EditorStyle s = hand_set();
    s.SPEARLY = 1, s.SPLATE = 10;
    s.TYP = "FnFRFAAOSn" + std::string(20, 'n');
    SpecSession f(s);
    f.run({});
    // The third F and the S (SIT max 0) go, every A goes; the rest is counted.
    EXPECT_EQ(f.s.TYP, "FnFRnnnOnn" + std::string(20, 'n'));
    // Window 1-10: margin 30, position 1 in columns 31-32.
    EXPECT_EQ(f.screen().text(12, 31, 20), " F   F R       O    ");
    f.run({RET});  // 2 F, 1 R, 1 O placed: Return leaves at once
    EXPECT_EQ(std::tuple(f.done, f.s.TYP), std::tuple(true, "FnFRnnnOnn" + std::string(20, 'n')));

    EditorStyle all_a = hand_set();
    all_a.TYP = "nnnnAAAAAnnnnnnnnnnnnnnnnnnnnn";
    SpecSession g(all_a);
    EXPECT_EQ(g.run({}).s.TYP, std::string(30, 'n'));
}

TEST(SetSpec, HandEditedLinesAndWindowsStayInBounds) {
    EditorStyle s = hand_set();
    s.TYP = "FF";  // a short line is filled with regular positions
    SpecSession f(s);
    f.run({RIGHT, 'R', RIGHT, 'O', RET});
    EXPECT_EQ(std::tuple(f.done, f.s.TYP), std::tuple(true, "FFnnnRO" + std::string(23, 'n')));

    EditorStyle empty = hand_set();
    empty.SPEARLY = 9, empty.SPLATE = 5;
    empty.FMIN = empty.FMAX = empty.RMIN = empty.RMAX = empty.OMIN = empty.OMAX = 0;
    empty.SPMIN = empty.SPMAX = 0;
    std::vector<int> keys(40, RIGHT);
    keys.insert(keys.end(), {'F', ' ', LEFT, RET});
    SpecSession g(empty);
    g.run(keys);
    EXPECT_EQ(std::tuple(g.done, g.s.TYP), std::tuple(true, std::string(30, 'n')));
}
