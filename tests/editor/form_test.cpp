#include <gtest/gtest.h>

#include "editor/form.h"
#include "form_support.h"

using namespace tv;
using namespace tv::test;

namespace {

const char* const FORM_ROWS[] = {
    "              Quiz Configuration -- Press Return Here When Ready",
    "    ______________________________________________________________________",
    "",
    "    Begin:    R  Chapter:  1 Ver:  1     Number of Quizzes in this Run: 10",
    "",
    "    End:      J  Chapter:  5 Ver: 20     Sector by Chp/Vrs/Que (c/v/q):  V",
    "",
    "    Name of Quiz Style  : Quiz           Percent Eligible for Repeats :  0",
    "",
    "    Name of Output File : Out            Specialty Ranges",
    "",
    "    Lines/Pg:  60 Output (p/c/t):  P         Total        Min:  2  Max:  4",
    "                                             FTV Type     Min:  1  Max:  2",
    "    Number of Questions per pack: 20         CV Ref       Min:  1  Max:  1",
    "                                             CO Ref       Min:  0  Max:  1",
    "    A and B Questions begin on  : 16         Situation    Min:  0  Max:  0",
    "",
    "    Specialties may appear  1 to  20     Pct Prim FTV: 100 Reg (a/b/c):  A",
    "",
    "    Pct Int :  50  Reindex (y/n):  N     Set Specialty Quest nos (y/n):  N",
};

}  // namespace

TEST(FormDrawing, RowsColoursAndStartAtTheBeginChapter) {
    ScriptFace face;
    Console con(face);
    Editor ed = sample_editor();
    EXPECT_THROW(edit_form(con, ed), ScriptExhausted);
    const Screen& s = con.screen();
    for (int r = 3; r <= 22; ++r) EXPECT_EQ(s.line(r), FORM_ROWS[r - 3]) << "row " << r;
    // Labels yellow on blue, the body blue, values light red on black.
    EXPECT_EQ(s.at(5, 6), (Cell{'B', YELLOW, BLUE}));
    EXPECT_EQ(s.at(80, 24).bg, BLUE);
    EXPECT_EQ(s.at(73, 6), (Cell{'1', LIGHTRED, BLACK}));
    EXPECT_EQ(s.at(35, 14), (Cell{' ', LIGHTRED, BLACK}));  // the blank before a letter
    EXPECT_EQ(s.at(36, 10).bg, BLACK);  // the name area is cleared in black
    EXPECT_EQ(s.at(15, 3), (Cell{'Q', YELLOW, BLUE}));
    EXPECT_EQ(s.col(), 27);
    EXPECT_EQ(s.row(), 6);
}

TEST(FormDrawing, TitleIsHighlightedWhiteOnGreenAndDownRestoresIt) {
    FormSession f;
    f.run({UP});
    ASSERT_TRUE(f.title_highlighted());
    EXPECT_EQ(f.text(15, 3, 50), TITLE);
    EXPECT_EQ(f.at(64, 3).bg, GREEN);
    FormSession g;
    g.run({UP, 'x', LEFT, DOWN});
    EXPECT_EQ(g.cursor(), pos(Field::BeginChapter));
    EXPECT_EQ(g.at(15, 3), (Cell{'Q', YELLOW, BLUE}));
}

TEST(FormTitle, ReturnAcceptsTheValuesAndEscRestoresTheRecord) {
    FormSession ok;
    ok.run({'7', RET, '2', RET, 'h', 'o', RET, ESC, RET});
    ASSERT_EQ(ok.result, std::optional<bool>(true));
    EXPECT_EQ(ok.ed.style.BCHAP, 7);
    EXPECT_EQ(ok.ed.style.ECHAP, 2);
    EXPECT_EQ(ok.ed.style.EVER, 26);
    EXPECT_EQ(ok.ed.NAME1, "Ho");

    FormSession back;
    back.run({'7', RET, '2', RET, 'h', 'o', RET, ESC, ESC});
    ASSERT_EQ(back.result, std::optional<bool>(false));
    EXPECT_EQ(back.ed.style.BCHAP, 1);
    EXPECT_EQ(back.ed.NAME1, "Quiz");
    EXPECT_EQ(back.ed.style.EVER, 20);
}

TEST(FormNumbers, ChapterEntriesAndVerseCorrections) {
    // 2 then 5: 25 lowered to Romans 16.
    FormSession f;
    f.ed.style.BVER = 30;
    f.run({'2', '5'});
    EXPECT_EQ(f.ed.style.BCHAP, 16);
    EXPECT_EQ(f.ed.style.BVER, 27);
    EXPECT_EQ(f.text(27, 6, 10), "16 Ver: 27");
    EXPECT_EQ(f.cursor(), pos(Field::BeginChapter));
    // 3 ends the entry at once; the next key starts a new entry in the same field.
    FormSession g;
    g.run({'3'});
    EXPECT_EQ(g.ed.style.BCHAP, 3);
    EXPECT_EQ(g.text(27, 6, 2), " 3");
    EXPECT_EQ(g.cursor(), pos(Field::BeginChapter));
    g.face.add({'1', RET});
    try { run_form(g.con, g.ed, Field::BeginChapter); } catch (const ScriptExhausted&) {}
    EXPECT_EQ(g.ed.style.BCHAP, 1);
    EXPECT_EQ(g.cursor(), pos(Field::EndChapter));
    // 1 then Right: chapter 1, to the begin verse.
    FormSession h;
    h.ed.style.BCHAP = 9;
    h.run({'1', RIGHT});
    EXPECT_EQ(h.ed.style.BCHAP, 1);
    EXPECT_EQ(h.cursor(), pos(Field::BeginVerse));
}

TEST(FormNumbers, FieldLimitsAfterAnEntry) {
    struct Case {
        Field field;
        std::vector<int> keys;
        int Style::*value;
        int expected;
        const char* shown;
    } cases[] = {
        {Field::LinesPg, {'7', RET}, &Style::LPP, 18, " 18"},
        {Field::LinesPg, {'9', '9', '9'}, &Style::LPP, 500, "500"},
        {Field::PctInt, {'4', '5', '6'}, &Style::IPC, 100, "100"},
        {Field::PctInt, {'0', RET}, &Style::IPC, 0, "  0"},
        {Field::Quizzes, {'2', '5', RET}, &Style::QNUM, 25, " 25"},
        {Field::Repeats, {'1', '0', '1'}, &Style::REPEATPCT, 100, "100"},
        {Field::SitMax, {'9', RET}, &Style::SMAX, 0, " 0"},
        {Field::SitMin, {'5', RET}, &Style::SMIN, 0, " 0"},
        {Field::QuestionsPerPack, {'4', '5'}, &Style::QMAX, 30, "30"},
        // A quiz of one question cannot be sectored: the least is 2.
        {Field::QuestionsPerPack, {'1', RET}, &Style::QMAX, 2, " 2"},
        {Field::WindowStart, {'1', '5'}, &Style::SPEARLY, 10, "10"},
        {Field::WindowEnd, {'4', '0'}, &Style::SPLATE, 30, "30"},
        {Field::TotalMin, {'9', DOWN}, &Style::SPMIN, 4, " 4"},     // not above Total Max
        {Field::TotalMax, {'3', '3'}, &Style::SPMAX, 20, "20"},
        {Field::TotalMax, {'1', RET}, &Style::SPMAX, 2, " 2"},  // not below Total Min
        {Field::FtvMin, {'5', RIGHT}, &Style::FMIN, 2, " 2"},
        {Field::FtvMax, {'0', RET}, &Style::FMAX, 1, " 1"},
        {Field::CoRefMax, {'1', '2'}, &Style::OMAX, 10, "10"},
        {Field::PctPrim, {'8', '5', RET}, &Style::PRIMPCT, 89, " 89"},
        {Field::AandB, {'9', '9'}, &Style::AB, 99, "99"},
    };
    for (const Case& c : cases) {
        FormSession f;
        f.run(c.keys, c.field);
        const FieldInfo& fi = info(c.field);
        EXPECT_EQ(f.ed.style.*c.value, c.expected) << "field " << int(c.field);
        EXPECT_EQ(f.text(fi.col, fi.row, fi.width), c.shown) << "field " << int(c.field);
    }
}

TEST(FormNumbers, WindowStartStaysWithinTheWindowEnd) {
    FormSession f;
    f.ed.style.SPLATE = 6;
    f.run({'8', RET}, Field::WindowStart);
    EXPECT_EQ(f.ed.style.SPEARLY, 6);
    FormSession g;
    g.ed.style.SPEARLY = 7;
    g.run({'3', RET}, Field::WindowEnd);
    EXPECT_EQ(g.ed.style.SPLATE, 7);
}

TEST(FormNumbers, FirstDigitAndIgnoredKeys) {
    // 0 cannot start an entry in Quizzes; letters are ignored; then 0 is a second digit.
    FormSession f;
    f.run({'0', 'x', '4', 'y', '0', RET}, Field::Quizzes);
    EXPECT_EQ(f.ed.style.QNUM, 40);
    EXPECT_EQ(f.cursor(), pos(Field::SectorBy));
}

TEST(FormNumbers, EscDuringAnEntryKeepsTheOldValueAndGoesToTheTitle) {
    FormSession mid;
    mid.run({'1'}, Field::Quizzes);
    EXPECT_EQ(mid.text(72, 6, 3), "1  ");  // field cleared, first digit echoed
    FormSession f;
    f.run({'1', ESC}, Field::Quizzes);
    EXPECT_EQ(f.ed.style.QNUM, 10);
    EXPECT_EQ(f.text(72, 6, 3), " 10");
    EXPECT_TRUE(f.title_highlighted());
    // After a second digit of a three-digit field.
    FormSession g;
    g.run({'4', '5', ESC}, Field::PctInt);
    EXPECT_EQ(g.ed.style.IPC, 50);
    EXPECT_EQ(g.text(15, 22, 3), " 50");
    EXPECT_TRUE(g.title_highlighted());
}

TEST(FormNames, TypedNamesAndTheirEndingKeys) {
    FormSession home;
    home.run({'h', 'o', 'm', 'e', RET}, Field::StyleName);
    EXPECT_EQ(home.ed.NAME1, "Home");
    EXPECT_EQ(home.text(27, 10, 10), "Home      ");
    EXPECT_EQ(home.cursor(), pos(Field::OutputFile));

    FormSession up;  // Up first: to the end chapter, name kept
    up.run({UP}, Field::StyleName);
    EXPECT_EQ(up.ed.NAME1, "Quiz");
    EXPECT_EQ(up.cursor(), pos(Field::EndChapter));

    FormSession caps;  // every capital is a letter, the ones sharing an arrow's code too
    caps.run({'m', 'y', 'P', 'a', 'c', 'k', 'H', 'K', 'M', RET}, Field::OutputFile);
    EXPECT_EQ(caps.ed.style.NAME4, "MyPackHKM");
    EXPECT_EQ(caps.ed.style.OUT, 'P');
    EXPECT_EQ(caps.cursor(), pos(Field::Output));

    FormSession left;  // the Left key types nothing; Right ends the entry
    left.run({LEFT, 'a', LEFT, 'b', RIGHT}, Field::StyleName);
    EXPECT_EQ(left.ed.NAME1, "Ab");
    EXPECT_EQ(left.cursor(), pos(Field::Repeats));

    FormSession ten;  // ten characters, then any key moves on and is not stored
    ten.run({'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'P'}, Field::StyleName);
    EXPECT_EQ(ten.ed.NAME1, "Abcdefghij");
    EXPECT_EQ(ten.cursor(), pos(Field::OutputFile));
    FormSession ten2;
    ten2.run({'1', '2', '3', '4', '5', '6', '7', '8', '9', '9', RET}, Field::OutputFile);
    EXPECT_EQ(ten2.ed.style.NAME4, "1234567899");
    EXPECT_EQ(ten2.cursor(), pos(Field::Output));

    FormSession zero;  // 0 is refused first and within; Esc within is ignored
    zero.run({'0', 'r', '0', ESC, '2', RET}, Field::OutputFile);
    EXPECT_EQ(zero.ed.style.NAME4, "R2");
    EXPECT_EQ(zero.cursor(), pos(Field::Output));
}

TEST(FormLetters, OutputRegAndOtherLetterFields) {
    FormSession f;
    f.ed.style.OUT = 'C';
    f.run({'p'}, Field::Output);
    EXPECT_EQ(f.ed.style.OUT, 'P');
    EXPECT_EQ(f.at(36, 14), (Cell{'P', LIGHTRED, BLACK}));
    EXPECT_EQ(f.cursor(), pos(Field::Output));
    FormSession down;  // C, P and T are taken, x ignored; the Down key moves on
    down.run({'x', 'T', 'P', 'H', DOWN}, Field::Output);
    EXPECT_EQ(down.ed.style.OUT, 'P');
    EXPECT_EQ(down.cursor(), pos(Field::QuestionsPerPack));

    struct Case {
        Field field;
        int key;
        char Style::*value;
        char expected;
    } cases[] = {
        {Field::Reg, 'b', &Style::REGLST, 'B'},  {Field::Reg, 'C', &Style::REGLST, 'C'},
        {Field::Reg, 'd', &Style::REGLST, 'A'},  {Field::Reg, 'D', &Style::REGLST, 'A'},
        {Field::Reindex, 'y', &Style::INDX, 'Y'}, {Field::Reindex, 'a', &Style::INDX, 'N'},
        {Field::SectorBy, 'q', &Style::SEC1, 'Q'}, {Field::SectorBy, 'C', &Style::SEC1, 'C'},
        {Field::SectorBy, 'p', &Style::SEC1, 'V'}, {Field::SetSpecialty, 'Y', &Style::SETSPC, 'Y'},
    };
    for (const Case& c : cases) {
        FormSession s;
        s.run({c.key}, c.field);
        EXPECT_EQ(s.ed.style.*c.value, c.expected) << char(c.key);
        EXPECT_EQ(s.cursor(), pos(c.field));
        EXPECT_EQ(s.at(info(c.field).col, info(c.field).row).ch, c.expected);
    }
}

TEST(FormLetters, CapsUpperCasesOnlyAToE) {
    EXPECT_EQ(CAPS('a'), 'A');
    EXPECT_EQ(CAPS('e'), 'E');
    EXPECT_EQ(CAPS('f'), 'f');
    EXPECT_EQ(CAPS('C'), 'C');
    EXPECT_EQ(CAPS(13), 13);
}

TEST(FormNavigation, UpFromRowSixGoesToTheTitleAndDownComesBack) {
    for (Field f : {Field::BeginBook, Field::BeginChapter, Field::BeginVerse, Field::Quizzes}) {
        FormSession s;
        s.run({UP}, f);
        EXPECT_TRUE(s.title_highlighted()) << int(f);
        FormSession back;
        back.run({UP, 'q', RIGHT, DOWN}, f);
        EXPECT_EQ(back.cursor(), pos(Field::BeginChapter)) << int(f);
        EXPECT_EQ(back.at(15, 3), (Cell{'Q', YELLOW, BLUE}));
    }
    FormSession s;
    s.run({UP, 'q', ESC});  // Esc on the title line discards
    EXPECT_EQ(s.result, std::optional<bool>(false));
}

TEST(FormNavigation, EscFromAnyFieldGoesToTheTitle) {
    for (int i = 0; i < FIELD_COUNT; ++i) {
        FormSession s;
        s.run({ESC}, static_cast<Field>(i));
        EXPECT_TRUE(s.title_highlighted()) << "field " << i;
    }
}
