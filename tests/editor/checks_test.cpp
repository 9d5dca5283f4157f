#include <gtest/gtest.h>

#include <functional>
#include <tuple>

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

constexpr int HUGE = 999999999;  // as a style file edited by hand may hold it

// Each check failing alone, with the words of its reason; number 0: none fails. The
// sums of four limits of nine digits do not overflow.
const struct {
    int number;
    std::function<void(EditorStyle&)> change;
    Field field;
    const char* words;
} CHECKS[] = {{1, [](EditorStyle& s) { s.SPMIN = 3, s.FMIN = s.FMAX = 2, s.RMIN = s.RMAX = 2; }, Field::TotalMin,
                  "minima add up to 4, more than the Total Min of 3"},
    {1, [](EditorStyle& s) { s.FMIN = s.RMIN = s.OMIN = s.SMIN = s.SPMIN = HUGE; }, Field::TotalMin,
        "minima add up to 3999999996"},
    {0, [](EditorStyle& s) { s.FMAX = s.RMAX = s.OMAX = s.SMAX = HUGE; }, Field::TotalMin, ""},
    {2, [](EditorStyle& s) { s.SPMAX = 5; }, Field::TotalMax, "maxima add up to 4, fewer than the Total Max of 5"},
    {2, [](EditorStyle& s) { s.FMAX = s.RMAX = s.OMAX = s.SMAX = -HUGE; }, Field::TotalMax, "add up to -3999999996"},
    {3, [](EditorStyle& s) { s.SPLATE = 25; }, Field::WindowEnd, "window ends at 25, past the 20 Questions per pack"},
    {4, [](EditorStyle& s) { s.SPEARLY = 3, s.SPLATE = 5; }, Field::WindowEnd, "window 3-5 holds fewer than the 4"},
    {5, [](EditorStyle& s) { by_hand(s), s.FMIN = 1, s.SPMIN = 3; }, Field::FtvMin, "FTV Min (1) and Max (2) must be equal"},
    {6, [](EditorStyle& s) { by_hand(s), s.RMIN = 0, s.SPMIN = 3; }, Field::CvRefMin, "CV Ref Min (0) and Max (1)"},
    {7, [](EditorStyle& s) { by_hand(s), s.OMIN = 0, s.SPMIN = 3; }, Field::CoRefMin, "CO Ref Min (0) and Max (1)"},
    {8, [](EditorStyle& s) { by_hand(s), s.SMAX = 1; }, Field::SitMin, "Situation Min (0) and Max (1)"},
    {9,
        [](EditorStyle& s) {
            s.BBK = " R", s.ADDB = 0, s.BCHAP = 5, s.BVER = 10;
            s.EBK = " R", s.ADDE = 0, s.ECHAP = 5, s.EVER = 9;
        },
        Field::BeginChapter, "begins at R 5:10, after its end at R 5:9"},
    {0, [](EditorStyle& s) { s.BBK = s.EBK = " R", s.ADDB = s.ADDE = 0, s.BCHAP = s.ECHAP = 5, s.BVER = s.EVER = 10; },
        Field::None, ""},
    // A full window that ends the quiz: the deck's extra card may fall past it; not
    // when it lands inside the quiz, nor past position 30 (that pattern is drawn again).
    {10,
        [](EditorStyle& s) {
            s.QMAX = s.SPLATE = 14, s.SPEARLY = 10, s.SPMIN = s.SPMAX = s.FMIN = s.FMAX = 5,
            s.RMIN = s.RMAX = s.OMIN = s.OMAX = 0;
        },
        Field::WindowStart, "Total Max 5 fills the window 10-14, so a specialty may land past question 14"},
    {0, [](EditorStyle& s) { s.QMAX = 15, s.SPLATE = 14, s.SPEARLY = 11; }, Field::None, ""},
    {0, [](EditorStyle& s) { s.QMAX = s.SPLATE = 30, s.SPEARLY = 27; }, Field::None, ""}};

}  // namespace

// The error on the title row and the reason under it (at most 78 columns) stay
// through Esc, the arrows and other keys; Return puts the title and its rule back and
// sends the cursor to the field of the check.
TEST(Checks, EachCheckFailingAloneIsShownUntilReturnAndSendsTheCursorToItsField) {
    for (const auto& c : CHECKS) {
        Editor ed = sample_editor();
        c.change(ed.style);
        ASSERT_EQ(failing_check(ed.style), c.number) << c.words;
        if (c.number == 0) continue;
        EXPECT_EQ(check_field(c.number), c.field);
        const std::string why = check_reason(ed.style, c.number);
        EXPECT_NE(why.find(c.words), std::string::npos) << why;
        EXPECT_LE(why.size(), 78u) << why;

        FormSession shown(ed);
        shown.run({ESC, ESC, UP, DOWN, 'x'}, Field::BeginVerse);
        EXPECT_EQ(shown.text(15, 3, 50), ERROR_TEXT) << c.words;
        EXPECT_EQ(std::tuple(shown.at(15, 3), shown.at(64, 3).bg), std::tuple(Cell{'I', WHITE, RED}, RED));
        EXPECT_NE(shown.text(1, 4, 80).find(why), std::string::npos) << why;

        FormSession after(ed);
        after.run({ESC, ESC, RET}, Field::BeginVerse);
        EXPECT_EQ(after.cursor(), pos(c.field)) << c.words;
        EXPECT_EQ(std::tuple(after.text(15, 3, 50), after.at(15, 3), after.result.has_value()),
            std::tuple(TITLE, Cell{'Q', YELLOW, BLUE}, false));
        EXPECT_EQ(after.text(1, 4, 80), std::string(4, ' ') + std::string(70, '_') + std::string(6, ' '));
    }
}

// A value no run can use (a style file edited by hand), of a number, a letter or a name:
// accepting the form names it, and Return goes to its field.
TEST(Checks, AValueNoRunCanUseSendsTheCursorToItsField) {
    const std::tuple<std::function<void(EditorStyle&)>, Field, const char*> cases[] = {
        {[](EditorStyle& s) { s.QNUM = 101; }, Field::Quizzes, "Number of Quizzes in this Run is 101"},
        {[](EditorStyle& s) { s.OUT = 'x'; }, Field::Output, "Output"},
        {[](EditorStyle& s) { s.NAME4 = "a/b"; }, Field::OutputFile, "Name of Output File"}};
    for (const auto& [change, field, words] : cases) {
        Editor ed = sample_editor();
        change(ed.style);
        FormSession named(ed), after(ed);
        named.run({ESC, RET}, Field::BeginVerse);
        EXPECT_NE(named.text(1, 3, 80).find(words), std::string::npos) << named.text(1, 3, 80);
        after.run({ESC, RET, RET}, Field::BeginVerse);
        EXPECT_EQ(after.cursor(), pos(field)) << words;
    }
}

// Pct Prim FTV moves to the nearest allowed value: 57-60, 68-70, 78-80, 88-90, 97-100.
TEST(FormValues, PctPrimFtvTakesOnlyTheValuesOfItsFiles) {
    const std::pair<int, int> typed_kept[] = {{0, 59}, {56, 59}, {57, 57}, {60, 60}, {61, 69}, {67, 69}, {68, 68}, {70, 70},
        {71, 79}, {77, 79}, {78, 78}, {80, 80}, {81, 89}, {87, 89}, {88, 88}, {90, 90}, {91, 99}, {96, 99}, {97, 97}, {100, 100},
        {101, 100}};
    for (auto [typed, kept] : typed_kept) EXPECT_EQ(allowed_prim_pct(typed), kept) << typed;
}

TEST(ChapterRules, LevelLBeginBookKeyMovesToAnAllowedChapterAtVerseOne) {
    // chapter before, chapter after, verse after (verse before is 9)
    const std::tuple<int, int, int> cases[] = {
        {3, 5, 1}, {7, 8, 1}, {10, 12, 1}, {15, 13, 1}, {16, 13, 1}, {6, 6, 9}, {12, 12, 9}};
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
    // The level, the field, the keys typed there, the chapter and verse that follow. A begin verse of 30 is
    // lowered to the chapter's last; an end verse is set to it.
    const std::tuple<char, Field, std::vector<int>, int, int> cases[] = {{'F', Field::BeginChapter, {'1', '2'}, 12, 21},
        {'F', Field::BeginChapter, {'5'}, 5, 21}, {'F', Field::EndChapter, {'8'}, 8, 39},
        {'F', Field::EndChapter, {'2', '9'}, 16, 27}, {'L', Field::BeginChapter, {'1', '0'}, 12, 21},
        {'L', Field::BeginChapter, {'7'}, 8, 30}, {'L', Field::BeginChapter, {'3'}, 5, 21},
        {'L', Field::BeginChapter, {'1', '5'}, 13, 14}, {'L', Field::BeginChapter, {'1', '6'}, 13, 14},
        {'L', Field::BeginChapter, {'6'}, 6, 23}, {'L', Field::EndChapter, {'1', '0'}, 8, 39},
        {'L', Field::EndChapter, {'7'}, 6, 23}, {'L', Field::EndChapter, {'2', RET}, 5, 21},
        {'L', Field::EndChapter, {'1', '4'}, 13, 14}, {'F', Field::BeginVerse, {'4', '0'}, 1, 32},
        {'F', Field::EndVerse, {'3', '5'}, 16, 27}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [level, field, keys, chapter, verse] = cases[i];
        Editor ed = sample_editor();
        ed.style.LG = level;
        ed.style.BVER = 30;
        ed.style.EBK = " R", ed.style.ADDE = 0, ed.style.ECHAP = 16, ed.style.EVER = 27;
        FormSession f(ed);
        f.run(keys, field);
        bool begin = field == Field::BeginChapter || field == Field::BeginVerse;
        const EditorStyle& s = f.ed.style;
        EXPECT_EQ(begin ? s.BCHAP : s.ECHAP, chapter) << level << " case " << i;
        EXPECT_EQ(begin ? s.BVER : s.EVER, verse) << level << " case " << i;
        int row = begin ? 6 : 8;
        EXPECT_EQ(f.text(27, row, 2), (chapter < 10 ? " " : "") + std::to_string(chapter));
        EXPECT_EQ(f.text(35, row, 2), (verse < 10 ? " " : "") + std::to_string(verse));
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
