#include <gtest/gtest.h>

#include <functional>

#include "editor/checks.h"
#include "form_support.h"

using namespace tv;
using namespace tv::test;

namespace {

// Specialty types set by hand with every Min equal to its Max: passes every check.
void by_hand(EditorStyle& s) {
    s.SETSPC = 'Y';
    s.FMIN = s.FMAX = 2;
    s.RMIN = s.RMAX = 1;
    s.OMIN = s.OMAX = 1;
    s.SPMIN = s.SPMAX = 4;
}

struct CheckCase {
    int number;
    std::function<void(EditorStyle&)> change;
    Field field;
};

const CheckCase CHECKS[] = {
    {1, [](EditorStyle& s) { s.SPMIN = 3, s.FMIN = s.FMAX = 2, s.RMIN = s.RMAX = 2; }, Field::TotalMin},
    {2, [](EditorStyle& s) { s.SPMAX = 5; }, Field::TotalMax},
    {3, [](EditorStyle& s) { s.SPLATE = 25; }, Field::WindowEnd},
    {4, [](EditorStyle& s) { s.SPEARLY = 3, s.SPLATE = 5; }, Field::WindowEnd},
    {5, [](EditorStyle& s) { by_hand(s), s.FMIN = 1, s.SPMIN = 3; }, Field::FtvMin},
    {6, [](EditorStyle& s) { by_hand(s), s.RMIN = 0, s.SPMIN = 3; }, Field::CvRefMin},
    {7, [](EditorStyle& s) { by_hand(s), s.OMIN = 0, s.SPMIN = 3; }, Field::CoRefMin},
    {8, [](EditorStyle& s) { by_hand(s), s.SMAX = 1; }, Field::SitMin},
    {9, [](EditorStyle& s) {
         s.BBK = " R", s.ADDB = 0, s.BCHAP = 5, s.BVER = 10;
         s.EBK = " R", s.ADDE = 0, s.ECHAP = 5, s.EVER = 9;
     }, Field::BeginChapter},
};

}  // namespace

TEST(Checks, EachCheckFailingAloneShowsTheErrorUntilReturnAndSendsTheCursorToItsField) {
    for (const CheckCase& c : CHECKS) {
        Editor ed = sample_editor();
        c.change(ed.style);
        ASSERT_EQ(failing_check(ed.style), c.number);
        EXPECT_EQ(check_field(c.number), c.field);

        // Esc, the arrows and other keys leave the message on the title row.
        FormSession shown(ed);
        shown.run({ESC, ESC, UP, DOWN, 'x'}, Field::BeginVerse);
        EXPECT_EQ(shown.text(15, 3, 50), ERROR_TEXT) << "check " << c.number;
        EXPECT_EQ(shown.at(15, 3), (Cell{'I', WHITE, RED}));
        EXPECT_EQ(shown.at(64, 3).bg, RED);

        FormSession after(ed);
        after.run({ESC, ESC, RET}, Field::BeginVerse);
        EXPECT_EQ(after.cursor(), pos(c.field)) << "check " << c.number;
        EXPECT_EQ(after.text(15, 3, 50), TITLE);
        EXPECT_EQ(after.at(15, 3), (Cell{'Q', YELLOW, BLUE}));
        EXPECT_FALSE(after.result.has_value());
    }
}

// Numbers of up to nine digits, as a style file edited by hand may hold them: the
// sums of four limits do not overflow, and huge values count as what they are.
TEST(Checks, HandEditedHugeLimitsAreComparedWithoutOverflow) {
    constexpr int HUGE = 999999999;
    struct Case {
        const char* what;
        std::function<void(EditorStyle&)> change;
        int number;
    };
    const Case cases[] = {
        {"Min of each type above the total Min",
         [](EditorStyle& s) { s.FMIN = s.RMIN = s.OMIN = s.SMIN = s.SPMIN = HUGE; }, 1},
        {"Max of each type far above the total Max",
         [](EditorStyle& s) { s.FMAX = s.RMAX = s.OMAX = s.SMAX = HUGE; }, 0},
        {"total Max above the Max of the types",
         [](EditorStyle& s) { s.FMAX = s.RMAX = s.OMAX = s.SMAX = -HUGE; }, 2},
    };
    for (const Case& c : cases) {
        Editor ed = sample_editor();
        c.change(ed.style);
        EXPECT_EQ(failing_check(ed.style), c.number) << c.what;
    }
}

TEST(ChapterRules, LevelLBeginBookKeyMovesToAnAllowedChapterAtVerseOne) {
    const std::tuple<int, int, int> cases[] = {
        // chapter before, chapter after, verse after (verse before is 9)
        {3, 5, 1}, {7, 8, 1}, {10, 12, 1}, {15, 13, 1}, {16, 13, 1}, {6, 6, 9}, {12, 12, 9},
    };
    for (auto [before, after, verse] : cases) {
        Editor ed = sample_editor();
        ed.style.LG = 'L';
        ed.style.BCHAP = before, ed.style.BVER = 9;
        FormSession f(ed);
        f.run({'R'}, Field::BeginBook);
        EXPECT_EQ(f.ed.style.BCHAP, after) << before;
        EXPECT_EQ(f.ed.style.BVER, verse) << before;
    }
}

TEST(ChapterRules, TypedChaptersAndVerses) {
    struct Case {
        char level;
        Field field;
        std::vector<int> keys;
        int chapter, verse;
    } cases[] = {
        {'F', Field::BeginChapter, {'1', '2'}, 12, 21},  // begin verse 30 lowered
        {'F', Field::BeginChapter, {'5'}, 5, 21},
        {'F', Field::EndChapter, {'8'}, 8, 39},            // end verse set to the last
        {'F', Field::EndChapter, {'2', '9'}, 16, 27},
        {'L', Field::BeginChapter, {'1', '0'}, 12, 21},
        {'L', Field::BeginChapter, {'7'}, 8, 30},
        {'L', Field::BeginChapter, {'3'}, 5, 21},
        {'L', Field::BeginChapter, {'1', '5'}, 13, 14},
        {'L', Field::BeginChapter, {'1', '6'}, 13, 14},
        {'L', Field::BeginChapter, {'6'}, 6, 23},
        {'L', Field::EndChapter, {'1', '0'}, 8, 39},
        {'L', Field::EndChapter, {'7'}, 6, 23},
        {'L', Field::EndChapter, {'2', RET}, 5, 21},
        {'L', Field::EndChapter, {'1', '4'}, 13, 14},
        {'F', Field::BeginVerse, {'4', '0'}, 1, 32},
        {'F', Field::EndVerse, {'3', '5'}, 16, 27},
    };
    for (const Case& c : cases) {
        Editor ed = sample_editor();
        ed.style.LG = c.level;
        ed.style.BVER = 30;
        ed.style.EBK = " R", ed.style.ADDE = 0, ed.style.ECHAP = 16, ed.style.EVER = 27;
        FormSession f(ed);
        f.run(c.keys, c.field);
        bool begin = c.field == Field::BeginChapter || c.field == Field::BeginVerse;
        const EditorStyle& s = f.ed.style;
        EXPECT_EQ(begin ? s.BCHAP : s.ECHAP, c.chapter) << c.level << " case " << &c - cases;
        EXPECT_EQ(begin ? s.BVER : s.EVER, c.verse) << c.level << " case " << &c - cases;
        int row = begin ? 6 : 8;
        EXPECT_EQ(f.text(27, row, 2), (c.chapter < 10 ? " " : "") + std::to_string(c.chapter));
        EXPECT_EQ(f.text(35, row, 2), (c.verse < 10 ? " " : "") + std::to_string(c.verse));
    }
}

TEST(ChapterRules, JamesChaptersStopAtFive) {
    Editor ed = sample_editor();
    ed.style.BBK = " J", ed.style.ADDB = 16;
    FormSession f(ed);
    f.run({'9'}, Field::BeginChapter);
    EXPECT_EQ(f.ed.style.BCHAP, 5);
    FormSession l(ed);
    l.ed.style.LG = 'L';
    l.run({'2', RET}, Field::BeginChapter);  // level L leaves James alone
    EXPECT_EQ(l.ed.style.BCHAP, 2);
}
