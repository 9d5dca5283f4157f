// The line under "Incompatible Specs" names the rule that failed, with the values
// of the style, in at most 78 columns; Return puts the rule under the title back.
#include <gtest/gtest.h>

#include "editor/checks.h"
#include "form_support.h"

using namespace tv;
using namespace tv::test;

TEST(CheckReason, NamesTheFailedRuleAndItsValues) {
    constexpr int HUGE = 999999999;
    const struct {
        int number;
        void (*change)(EditorStyle&);
        const char* words;
    } cases[] = {
        {1, [](EditorStyle& s) { s.SPMIN = 3, s.RMIN = s.RMAX = 3; }, "minimums add up to 4, more than the Total Min of 3"},
        {1, [](EditorStyle& s) { s.FMIN = s.RMIN = s.OMIN = s.SMIN = HUGE, s.SPMIN = -HUGE; }, "minimums add up to 3999999996"},
        {2, [](EditorStyle& s) { s.SPMAX = 5; }, "maximums add up to 4, fewer than the Total Max of 5"},
        {3, [](EditorStyle& s) { s.SPLATE = 25; }, "window ends at 25, past the 20 Questions per pack"},
        {4, [](EditorStyle& s) { s.SPEARLY = 3, s.SPLATE = 5; }, "window 3-5 holds fewer than the 4 specialties"},
        {5, [](EditorStyle& s) { s.SETSPC = 'Y'; }, "FTV Min (1) and Max (2) must be equal"},
        {8, [](EditorStyle& s) { s.SETSPC = 'Y', s.FMIN = 2, s.OMIN = 1, s.SMAX = 3, s.SPMIN = 4; }, "Situation Min (0) and Max (3)"},
        {9, [](EditorStyle& s) { s.BCHAP = 5, s.BVER = 10, s.EBK = " R", s.ADDE = 0, s.ECHAP = 5, s.EVER = 9; },
         "begins at R 5:10, after its end at R 5:9"},
    };
    for (const auto& c : cases) {
        Editor ed = sample_editor();
        c.change(ed.style);
        ASSERT_EQ(failing_check(ed.style), c.number) << c.words;
        const std::string why = check_reason(ed.style, c.number);
        EXPECT_NE(why.find(c.words), std::string::npos) << why;
        EXPECT_LE(why.size(), 78u) << why;
        EXPECT_NE(FormSession(ed).run({ESC}, Field::BeginVerse).text(1, 4, 80).find(why), std::string::npos) << why;
        EXPECT_EQ(FormSession(ed).run({ESC, RET}, Field::BeginVerse).text(1, 4, 80),
                  std::string(4, ' ') + std::string(70, '_') + std::string(6, ' '));
    }
}
