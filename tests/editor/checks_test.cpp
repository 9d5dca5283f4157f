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

TEST(Checks, TheSampleAndAHandSetStylePass) {
    Editor ed = sample_editor();
    EXPECT_EQ(failing_check(ed.style), 0);
    by_hand(ed.style);
    EXPECT_EQ(failing_check(ed.style), 0);
    // James 1 after Romans 16; the same chapter in order of verses.
    ed.style.BBK = " R", ed.style.BCHAP = 16, ed.style.BVER = 27;
    ed.style.EBK = " J", ed.style.ADDE = 16, ed.style.ECHAP = 1, ed.style.EVER = 1;
    EXPECT_EQ(failing_check(ed.style), 0);
}

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

TEST(Checks, AStyleThatFailsCanNeitherBeAcceptedNorLeft) {
    Editor ed = sample_editor();
    ed.style.SPLATE = 25;
    FormSession f(ed);
    // Up from row 6 goes through the checks too; then the fault is mended at Window end.
    f.run({UP, RET, '1', '8', ESC, RET}, Field::BeginChapter);
    EXPECT_EQ(f.ed.style.SPLATE, 18);
    EXPECT_EQ(f.result, std::optional<bool>(true));
}

TEST(Checks, PrimMovesToTheAllowedValues) {
    const std::pair<int, int> cases[] = {
        {85, 89}, {60, 60}, {40, 59}, {250, 100}, {0, 59},   {56, 59},  {57, 57}, {61, 69},
        {67, 69}, {68, 68}, {70, 70}, {71, 79},  {77, 79},  {78, 78},  {80, 80}, {81, 89},
        {88, 88}, {90, 90}, {91, 99}, {96, 99},  {97, 97},  {100, 100}, {101, 100},
    };
    for (auto [typed, becomes] : cases) EXPECT_EQ(PRIM(typed), becomes) << typed;
}

TEST(ChapterRules, BookKeys) {
    // Romans 16, then J: James 1:1.
    Editor a = sample_editor();
    a.style.BCHAP = 16, a.style.BVER = 20;
    FormSession ja(a);
    ja.run({'x', 'J'}, Field::BeginBook);
    EXPECT_EQ(ja.ed.style.BBK, " J");
    EXPECT_EQ(ja.ed.style.ADDB, 16);
    EXPECT_EQ(ja.ed.style.BCHAP, 1);
    EXPECT_EQ(ja.ed.style.BVER, 1);
    EXPECT_EQ(ja.text(14, 6, 23), " J  Chapter:  1 Ver:  1");
    EXPECT_EQ(ja.cursor(), pos(Field::BeginBook));
    // James 4:20 to Romans with r: chapter kept, verse within Romans 4 (25 verses).
    Editor b = sample_editor();
    b.style.BBK = " J", b.style.ADDB = 16, b.style.BCHAP = 4, b.style.BVER = 17;
    b.style.ECHAP = 5;
    FormSession ro(b);
    ro.run({'r'}, Field::BeginBook);
    EXPECT_EQ(ro.ed.style.BBK, " R");
    EXPECT_EQ(ro.ed.style.ADDB, 0);
    EXPECT_EQ(ro.ed.style.BCHAP, 4);
    EXPECT_EQ(ro.ed.style.BVER, 17);
    // End book Romans 9:30, then J: James 5:20.
    Editor c = sample_editor();
    c.style.EBK = " R", c.style.ADDE = 0, c.style.ECHAP = 9, c.style.EVER = 30;
    FormSession je(c);
    je.run({'j'}, Field::EndBook);
    EXPECT_EQ(je.ed.style.EBK, " J");
    EXPECT_EQ(je.ed.style.ECHAP, 5);
    EXPECT_EQ(je.ed.style.EVER, 20);
    EXPECT_EQ(je.text(14, 8, 23), " J  Chapter:  5 Ver: 20");
    // End James 3:18 to Romans 3: the verse stays (Romans 3 has 31).
    Editor d = sample_editor();
    d.style.ECHAP = 3, d.style.EVER = 18;
    FormSession re(d);
    re.run({'R'}, Field::EndBook);
    EXPECT_EQ(re.ed.style.ECHAP, 3);
    EXPECT_EQ(re.ed.style.EVER, 18);
    EXPECT_EQ(re.ed.style.ADDE, 0);
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

TEST(ChapterRules, LevelLBeginBookKeyMovesToAnAllowedChapterAtVerseOne) {
    const std::tuple<int, int, int> cases[] = {
        // chapter before, chapter after, verse after (verse before is 9)
        {3, 5, 1}, {7, 8, 1}, {10, 12, 1}, {15, 13, 1}, {6, 6, 9}, {12, 12, 9},
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

TEST(Specwarn, WritesItsLinesAndWaitsForTwoReturns) {
    ScriptFace face({RET});
    Console con(face);
    con.normal();
    con.clr();
    EXPECT_THROW(SPECWARN(con), ScriptExhausted);
    EXPECT_EQ(con.screen().line(3), "  One specialty has zero questions.");
    EXPECT_EQ(con.screen().line(5), "  Change the maximum for that specialty to zero.");
    EXPECT_EQ(con.screen().line(7), "  Press return to continue.");
    ScriptFace two({RET, RET});
    Console con2(two);
    SPECWARN(con2);
    EXPECT_EQ(two.left(), 0u);
}

TEST(ChapterRules, TheBooksOfTheSeasonAndItsLevelL) {
    TextReader material("Material.txt",
                        "season Hebrews and Peter\nbook H Hebrews 14 18 19 16 14 20 28 13 28 39 40 29 25\n"
                        "book P 1 Peter 25 25 22 19 14\nbook Q 2 Peter 22 22 18\n"
                        "level-L 1-4 11-12 14-21\n");
    struct Case {
        char level;
        Field field;
        std::vector<int> keys;
        std::string book;
        int chapter, verse;
    } cases[] = {
        {'F', Field::EndBook, {'q'}, " Q", 3, 18},         // 9 is past 2 Peter's last chapter
        {'F', Field::BeginBook, {'p'}, " P", 1, 10},
        {'F', Field::BeginBook, {'P'}, " P", 1, 10},       // a typed capital is a letter too
        {'F', Field::BeginChapter, {'1', '4'}, " H", 13, 10},
        {'L', Field::BeginChapter, {'7'}, " H", 11, 10},   // on to the next chapter of level L
        {'L', Field::EndChapter, {'7'}, " H", 4, 16},      // back to the one before
        {'L', Field::EndChapter, {'1', '3'}, " H", 12, 29},
    };
    for (const Case& c : cases) {
        Editor ed = sample_editor();
        ed.season = read_season(material);
        material.rewind();
        ed.style.LG = c.level;
        ed.style.BBK = " H", ed.style.BCHAP = 1, ed.style.BVER = 10, ed.style.ADDB = 0;
        ed.style.EBK = " H", ed.style.ECHAP = 9, ed.style.EVER = 20, ed.style.ADDE = 0;
        FormSession f(ed);
        f.run(c.keys, c.field);
        const bool begin = c.field == Field::BeginBook || c.field == Field::BeginChapter;
        const EditorStyle& s = f.ed.style;
        const int row = begin ? 6 : 8;
        EXPECT_EQ(f.text(14, row, 2), c.book) << &c - cases;
        EXPECT_EQ(begin ? s.BCHAP : s.ECHAP, c.chapter) << &c - cases;
        EXPECT_EQ(begin ? s.BVER : s.EVER, c.verse) << &c - cases;
        const int offset = c.book == " P" ? 13 : c.book == " Q" ? 18 : 0;
        EXPECT_EQ(begin ? to_absolute(s).BCHAP : to_absolute(s).ECHAP, c.chapter + offset) << &c - cases;
    }
}
