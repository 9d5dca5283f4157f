#include <gtest/gtest.h>

#include "form_support.h"

using namespace tv;
using namespace tv::test;

namespace {

using F = Field;
constexpr F TITLE_LINE = F::Title, STAYS = F::None;

// The form as a user sees it: where the cursor waits in each field, and where Up,
// Down, Left, Right and Return lead from it before anything is typed there. The
// title line is reached through the checks (the sample style passes them all).
struct Place {
    F field;
    int col, row;
    F up, down, left, right, ret;
};
constexpr Place FORM[] = {{F::BeginBook, 14, 6, TITLE_LINE, F::EndBook, STAYS, F::BeginChapter, F::EndBook},
    {F::BeginChapter, 27, 6, TITLE_LINE, F::EndChapter, F::BeginBook, F::BeginVerse, F::EndChapter},
    {F::BeginVerse, 35, 6, TITLE_LINE, F::EndVerse, F::BeginChapter, F::Quizzes, F::EndVerse},
    {F::EndBook, 14, 8, F::BeginBook, F::StyleName, STAYS, F::EndChapter, F::StyleName},
    {F::EndChapter, 27, 8, F::BeginChapter, F::StyleName, F::EndBook, F::EndVerse, F::StyleName},
    {F::EndVerse, 35, 8, F::BeginVerse, F::StyleName, F::EndChapter, F::SectorBy, F::StyleName},
    {F::StyleName, 27, 10, F::EndChapter, F::OutputFile, STAYS, F::Repeats, F::OutputFile},
    {F::OutputFile, 27, 12, F::StyleName, F::Output, STAYS, F::TotalMin, F::Output},
    {F::LinesPg, 15, 14, F::OutputFile, F::QuestionsPerPack, STAYS, F::Output, F::Output},
    {F::Output, 36, 14, F::OutputFile, F::QuestionsPerPack, F::LinesPg, F::TotalMin, F::QuestionsPerPack},
    {F::QuestionsPerPack, 35, 16, F::Output, F::AandB, STAYS, F::CvRefMin, F::AandB},
    {F::AandB, 35, 18, F::QuestionsPerPack, F::WindowEnd, STAYS, F::SitMin, F::WindowEnd},
    {F::WindowStart, 28, 20, F::AandB, F::PctInt, F::AandB, F::WindowEnd, F::PctInt},
    {F::WindowEnd, 35, 20, F::AandB, F::Reindex, F::WindowStart, F::PctPrim, F::Reindex},
    {F::PctInt, 15, 22, F::WindowStart, F::Quizzes, STAYS, F::Reindex, F::Reindex},
    {F::Reindex, 36, 22, F::WindowEnd, F::Quizzes, F::PctInt, F::SetSpecialty, F::Quizzes},
    {F::Quizzes, 72, 6, TITLE_LINE, F::SectorBy, F::BeginVerse, STAYS, F::SectorBy},
    {F::SectorBy, 74, 8, F::Quizzes, F::Repeats, F::EndVerse, STAYS, F::Repeats},
    {F::Repeats, 72, 10, F::SectorBy, F::TotalMax, F::StyleName, STAYS, F::FtvMax},
    {F::TotalMin, 64, 14, F::Repeats, F::FtvMin, F::Output, F::TotalMax, F::FtvMin},
    {F::TotalMax, 73, 14, F::Repeats, F::FtvMax, F::TotalMin, STAYS, F::FtvMax},
    {F::FtvMin, 64, 15, F::TotalMin, F::CvRefMin, F::Output, F::FtvMax, F::CvRefMin},
    {F::FtvMax, 73, 15, F::TotalMax, F::CvRefMax, F::FtvMin, STAYS, F::CvRefMax},
    {F::CvRefMin, 64, 16, F::FtvMin, F::CoRefMin, F::QuestionsPerPack, F::CvRefMax, F::CoRefMin},
    {F::CvRefMax, 73, 16, F::FtvMax, F::CoRefMax, F::CvRefMin, STAYS, F::CoRefMax},
    {F::CoRefMin, 64, 17, F::CvRefMin, F::SitMin, F::QuestionsPerPack, F::CoRefMax, F::SitMin},
    {F::CoRefMax, 73, 17, F::CvRefMax, F::SitMax, F::CoRefMin, STAYS, F::SitMax},
    {F::SitMin, 64, 18, F::CoRefMin, F::PctPrim, F::AandB, F::SitMax, F::PctPrim},
    {F::SitMax, 73, 18, F::CoRefMax, F::Reg, F::SitMin, STAYS, F::Reg},
    {F::PctPrim, 56, 20, F::SitMin, F::SetSpecialty, F::WindowEnd, F::Reg, F::SetSpecialty},
    {F::Reg, 74, 20, F::SitMax, F::SetSpecialty, F::PctPrim, STAYS, F::SetSpecialty},
    {F::SetSpecialty, 74, 22, F::Reg, F::BeginChapter, F::Reindex, STAYS, F::BeginChapter}};

// The moves that differ when the key ends a number or a name typed in the field
// (one digit, or one letter). Every other key leads where it does before an entry;
// a key that leads nowhere leaves the cursor in the field.
struct AfterEntry {
    F field;
    int key;
    F to;
};
constexpr AfterEntry AFTER_ENTRY[] = {{F::BeginVerse, RIGHT, STAYS}, {F::EndChapter, RIGHT, F::StyleName},
    {F::EndVerse, RIGHT, STAYS}, {F::OutputFile, RIGHT, F::FtvMin}, {F::WindowEnd, DOWN, F::PctInt},
    {F::WindowEnd, RET, F::PctInt}, {F::PctInt, UP, F::AandB}, {F::Repeats, RET, STAYS}, {F::CvRefMin, LEFT, F::Output},
    {F::SitMax, DOWN, F::SetSpecialty}, {F::SitMax, RET, F::SetSpecialty}};

// Where the form is waiting: the title line while it is highlighted, else the
// field at the cursor (None when the cursor is in no field).
F where(const FormSession& s) {
    if (s.at(TITLE_COL, TITLE_ROW).bg == GREEN) return TITLE_LINE;
    for (const Place& p : FORM)
        if (s.cursor() == std::pair{p.col, p.row}) return p.field;
    return F::None;
}

}  // namespace

TEST(FormMoves, EveryKeyFromEveryFieldLeadsWhereTheLayoutSays) {
    ASSERT_EQ(std::size(FORM), static_cast<size_t>(FIELD_COUNT));
    const int keys[] = {UP, DOWN, LEFT, RIGHT, RET};
    for (const Place& p : FORM) {
        const F before[] = {p.up, p.down, p.left, p.right, p.ret};
        const Kind kind = info(p.field).kind;
        for (int i = 0; i < 5; ++i) {
            F expected = before[i] == STAYS ? p.field : before[i];
            FormSession s;
            s.run({keys[i]}, p.field);
            EXPECT_EQ(where(s), expected) << "field " << int(p.field) << ", key " << i;
            // Left does not end a name: it is passed over like any other key there.
            if (kind != Kind::Number && (kind != Kind::Name || keys[i] == LEFT)) continue;
            // The same key ending an entry.
            for (const AfterEntry& a : AFTER_ENTRY)
                if (a.field == p.field && a.key == keys[i]) expected = a.to == STAYS ? p.field : a.to;
            const int typed = kind == Kind::Name ? 'A' : '0' + info(p.field).first_digit;
            FormSession e;
            e.run({typed, keys[i]}, p.field);
            EXPECT_EQ(where(e), expected) << "field " << int(p.field) << ", key " << i << " after an entry";
        }
    }
}

// Esc in the middle of a number leaves the value as it was, on the screen too.
TEST(FormMoves, EscInTheMiddleOfANumberKeepsItsValue) {
    for (const Place& p : FORM) {
        const FieldInfo& fi = info(p.field);
        if (fi.kind != Kind::Number || fi.width < 2) continue;
        FormSession before, s;
        before.run({}, p.field);
        s.run({'0' + fi.first_digit, ESC}, p.field);
        EXPECT_EQ(where(s), TITLE_LINE) << int(p.field);
        EXPECT_EQ(s.ed.style.*fi.number, before.ed.style.*fi.number) << int(p.field);
        EXPECT_EQ(s.text(fi.col, fi.row, fi.width), before.text(fi.col, fi.row, fi.width)) << int(p.field);
    }
}

// A name takes letters and the digits 1-9; other keys typed in it are passed over.
TEST(FormMoves, ANameTakesLettersAndDigitsOneToNine) {
    FormSession s;
    s.run({'W', ':', '0', '9', '!', 'x', RET}, F::StyleName);
    EXPECT_EQ(s.ed.NAME1, "W9x");
}
