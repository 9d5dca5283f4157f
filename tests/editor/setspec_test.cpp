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
    std::pair<int, int> cursor() const { return {screen().col(), screen().row()}; }
};

}  // namespace

TEST(SetSpec, WholeWindowLayout) {
    EditorStyle s = hand_set();
    s.SPEARLY = 1, s.SPLATE = 30;
    SpecSession f(s);
    f.run({LEFT});
    const Screen& sc = f.screen();
    EXPECT_EQ(sc.line(3), std::string(32, ' ') + "Set Specialty Types");
    EXPECT_EQ(sc.line(4), "    " + std::string(70, '_'));
    EXPECT_EQ(sc.line(6),
              "    Choose:  2 FTV (F)   1 CV Ref (R)   1 CO Ref (O)   and 0 SIT (S).");
    EXPECT_EQ(sc.line(8), "    Press Enter when Finished");
    EXPECT_EQ(sc.line(10), std::string(10, ' ') + std::string(18, ' ') + " 1 1 1 1 1 1 1 1 1 1"
                               " 2 2 2 2 2 2 2 2 2 2 3");
    EXPECT_EQ(sc.line(11), std::string(10, ' ') + " 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0"
                                                  " 1 2 3 4 5 6 7 8 9 0");
    EXPECT_EQ(sc.at(3, 3), (Cell{' ', YELLOW, BLUE}));
    EXPECT_EQ(sc.at(10, 12).bg, BLUE);  // the margin
    EXPECT_EQ(sc.at(11, 12).bg, RED);   // the first cell
    EXPECT_EQ(sc.at(70, 12).bg, RED);
    EXPECT_EQ(f.cursor(), (std::pair{70, 12}));  // Left from position 1 wraps to 30
    EXPECT_EQ(SPECS(s), 4);
}

TEST(SetSpec, ShortWindowLayoutAndWrap) {
    SpecSession f(hand_set());
    f.run({});
    EXPECT_EQ(f.screen().line(10), "");
    EXPECT_EQ(f.screen().line(11), std::string(35, ' ') + " 5 6 7 8 9");
    EXPECT_EQ(f.cursor(), (std::pair{37, 12}));
    SpecSession g(hand_set());
    g.run({LEFT, RIGHT, RIGHT, 'M', RIGHT});  // a typed M is no arrow
    EXPECT_EQ(g.cursor(), (std::pair{41, 12}));
    SpecSession h(hand_set());
    h.run({LEFT});
    EXPECT_EQ(h.cursor(), (std::pair{45, 12}));
    SpecSession i(hand_set());
    i.run({LEFT, RIGHT});
    EXPECT_EQ(i.cursor(), (std::pair{37, 12}));
}

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
    EXPECT_EQ(f.screen().at(32, 12), (Cell{'F', WHITE, RED}));
    EXPECT_EQ(f.cursor(), (std::pair{32, 12}));
    f.face.add({RET});  // 2 F, 1 R, 1 O placed: Return leaves at once
    SETSPEC(f.con, f.s);
    EXPECT_EQ(f.s.TYP, "FnFRnnnOnn" + std::string(20, 'n'));
    EXPECT_EQ(f.con.screen().fg(), YELLOW);
    EXPECT_EQ(f.con.screen().bg(), BLUE);

    EditorStyle all_a = hand_set();
    all_a.TYP = "nnnnAAAAAnnnnnnnnnnnnnnnnnnnnn";
    SpecSession g(all_a);
    g.run({});
    EXPECT_EQ(g.s.TYP, std::string(30, 'n'));
    EXPECT_EQ(g.screen().text(12, 36, 10), std::string(10, ' '));
}

TEST(SetSpec, PlacingLettersAndReturnOnlyWithTheFullCount) {
    SpecSession f(hand_set());
    f.run({'f', RIGHT, 'F', RIGHT, 'F', 'r', RET, RIGHT, 'o', RET, 'x'});
    // The third F is refused; Return with three letters does nothing; the fourth ends it.
    EXPECT_TRUE(f.done);
    EXPECT_EQ(f.face.left(), 1u);
    EXPECT_EQ(f.s.TYP, "nnnnFFRO" + std::string(22, 'n'));
    EXPECT_EQ(f.screen().text(12, 36, 10), " F F R O  ");
    // The other settings are untouched.
    EXPECT_EQ(f.s.SPMAX, 4);
    EXPECT_EQ(f.s.SETSPC, 'Y');
}

TEST(SetSpec, ROverFMovesACountAndSpaceClears) {
    EditorStyle s = hand_set();
    s.FMIN = s.FMAX = 1, s.RMIN = s.RMAX = 1, s.OMIN = s.OMAX = 0;
    s.SPMIN = s.SPMAX = 2;
    s.TYP = "nnnnFnnnn" + std::string(21, 'n');
    SpecSession f(s);
    // R over the F frees the F for position 6; Space clears 6; F again on 7.
    f.run({'R', RIGHT, 'F', ' ', RIGHT, 'f', RET});
    EXPECT_TRUE(f.done);
    EXPECT_EQ(f.s.TYP, "nnnnRnFnn" + std::string(21, 'n'));
    EXPECT_EQ(f.screen().text(12, 36, 10), " R   F    ");
}

TEST(SetSpec, SClearsWhenSitIsAtItsMaximum) {
    EditorStyle s = hand_set();
    s.TYP = "nnnnFFROn" + std::string(21, 'n');
    SpecSession f(s);
    // S clears (SIT max 0); Return is refused with three letters; the freed F goes on 9.
    f.run({'s', RET, RIGHT, RIGHT, RIGHT, RIGHT, 'F', RET});
    EXPECT_TRUE(f.done);
    EXPECT_EQ(f.s.TYP, "nnnnnFROF" + std::string(21, 'n'));

    EditorStyle sit = hand_set();
    sit.SMIN = sit.SMAX = 1, sit.OMIN = sit.OMAX = 0;
    SpecSession g(sit);
    g.run({'S', 's', 'S', RIGHT, 'F', RIGHT, 'F', RIGHT, 'R', RET});  // S, cleared, S again
    EXPECT_TRUE(g.done);
    EXPECT_EQ(g.s.TYP, "nnnnSFFRn" + std::string(21, 'n'));
}

TEST(SetSpec, LettersOutsideTheWindowStayAndCount) {
    EditorStyle s = hand_set();
    s.TYP = "OnnnnnnnnnnnnnnnnnnnnnnnnnnnnF";
    SpecSession f(s);
    f.run({'F', RIGHT, 'O', RET, RIGHT, 'R', RET});  // O refused: position 1 holds it
    EXPECT_TRUE(f.done);
    EXPECT_EQ(f.s.TYP, "OnnnFnRnnnnnnnnnnnnnnnnnnnnnnF");
}

TEST(SetSpec, HandEditedLinesAndWindowsStayInBounds) {
    EditorStyle s = hand_set();
    s.TYP = "FF";  // a short line is filled with regular positions
    SpecSession f(s);
    f.run({RIGHT, 'R', RIGHT, 'O', RET});
    EXPECT_TRUE(f.done);
    EXPECT_EQ(f.s.TYP, "FFnnnRO" + std::string(23, 'n'));

    EditorStyle empty = hand_set();
    empty.SPEARLY = 9, empty.SPLATE = 5;
    empty.FMIN = empty.FMAX = empty.RMIN = empty.RMAX = empty.OMIN = empty.OMAX = 0;
    empty.SPMIN = empty.SPMAX = 0;
    std::vector<int> keys(40, RIGHT);
    keys.insert(keys.end(), {'F', ' ', LEFT, RET});
    SpecSession g(empty);
    g.run(keys);
    EXPECT_TRUE(g.done);
    EXPECT_EQ(g.s.TYP, std::string(30, 'n'));
}
