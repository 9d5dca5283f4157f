// Styles edited by hand can hold values the form never stores. Such a style must
// not trap the user: leaving the form names the value and goes to its field, and the
// specialty type screen can always be left.
#include <gtest/gtest.h>

#include "editor/setspec.h"
#include "form_support.h"

using namespace tv;
using namespace tv::test;

TEST(HandEditedStyle, LeavingTheFormGoesToTheValueOutOfRange) {
    struct Case {
        void (*edit)(EditorStyle&);
        std::string message;
        Field field;
    };
    const Case cases[] = {
        {[](EditorStyle& s) { s.SPMIN = 4, s.SPMAX = 3; }, "Total Min is 4; it must be 0 to 3.",
         Field::TotalMin},
        {[](EditorStyle& s) { s.QMAX = 40, s.SPLATE = 35; },
         "Number of Questions per pack is 40; it must be 2 to 30.", Field::QuestionsPerPack},
        {[](EditorStyle& s) { s.OUT = '\x1b'; }, "Output (p/c/t) is \"\\x1b\"; it must be one of P, C, T.",
         Field::Output},
    };
    for (const Case& c : cases) {
        Editor ed = sample_editor();
        c.edit(ed.style);
        FormSession shown(ed);
        shown.run({ESC});
        EXPECT_EQ(shown.con.screen().line(3), "  " + c.message);
        FormSession f(ed);
        f.run({ESC, RET});
        EXPECT_EQ(f.cursor(), pos(c.field)) << c.message;
        EXPECT_EQ(f.text(15, 3, 50), TITLE);
    }
    // Corrected, the form is accepted.
    Editor ed = sample_editor();
    ed.style.SPMIN = 4, ed.style.SPMAX = 3;
    FormSession f(ed);
    f.run({ESC, RET, '0', '2', ESC, RET});
    EXPECT_EQ(f.result, true);
    EXPECT_EQ(f.ed.style.SPMIN, 2);
}

// More letters to place than the window has positions: Return can never be accepted,
// Esc leaves with the stored line as it was.
TEST(HandEditedStyle, EscLeavesTheSpecialtyTypeScreen) {
    EditorStyle s = sample_editor().style;
    s.SETSPC = 'Y';
    s.FMIN = s.FMAX = 10, s.RMIN = s.RMAX = 10, s.OMIN = s.OMAX = 10, s.SMIN = s.SMAX = 2;
    s.SPMIN = s.SPMAX = 32;
    s.SPEARLY = 1, s.SPLATE = 35;
    s.TYP = "FFRRnnnnnnnnnnnnnnnnnnnnnnnnnn";
    ScriptFace face({RET, 'O', ESC});
    Console con(face);
    EXPECT_FALSE(SETSPEC(con, s));
    EXPECT_EQ(s.TYP, "FFRRnnnnnnnnnnnnnnnnnnnnnnnnnn");
    EXPECT_EQ(face.left(), 0u);
    EXPECT_EQ(con.screen().line(9), "    Esc goes back to the form without saving");
}
