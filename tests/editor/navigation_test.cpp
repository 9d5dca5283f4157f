// Every cell of the navigation table, for a key pressed before any entry and for
// the same key ending an entry, checked by where the cursor lands.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "form_support.h"

using namespace tv;
using namespace tv::test;

namespace {

const std::map<std::string, Field> NAMES = {
    {"Begin book", Field::BeginBook}, {"Begin chapter", Field::BeginChapter},
    {"Begin verse", Field::BeginVerse}, {"End book", Field::EndBook},
    {"End chapter", Field::EndChapter}, {"End verse", Field::EndVerse},
    {"Style name", Field::StyleName}, {"Output file", Field::OutputFile},
    {"Lines/Pg", Field::LinesPg}, {"Output", Field::Output},
    {"Questions per pack", Field::QuestionsPerPack}, {"A and B", Field::AandB},
    {"Window start", Field::WindowStart}, {"Window end", Field::WindowEnd},
    {"Pct Int", Field::PctInt}, {"Reindex", Field::Reindex}, {"Quizzes", Field::Quizzes},
    {"Sector by", Field::SectorBy}, {"Repeats", Field::Repeats},
    {"Total Min", Field::TotalMin}, {"Total Max", Field::TotalMax},
    {"FTV Min", Field::FtvMin}, {"FTV Max", Field::FtvMax},
    {"CV Ref Min", Field::CvRefMin}, {"CV Ref Max", Field::CvRefMax},
    {"CO Ref Min", Field::CoRefMin}, {"CO Ref Max", Field::CoRefMax},
    {"Situation Min", Field::SitMin}, {"Situation Max", Field::SitMax},
    {"Pct Prim FTV", Field::PctPrim}, {"Reg", Field::Reg}, {"Set Specialty", Field::SetSpecialty},
    {"Title", Field::Title}, {"-", Field::None}, {"stays", Field::None}, {"ignored", Field::None},
};

// Up, Down, Left, Right, Return. "A / B": A before an entry, B when the key ends one.
struct Row {
    const char* field;
    const char* cells[5];
};
const Row TABLE[] = {
    {"Begin book", {"Title", "End book", "-", "Begin chapter", "End book"}},
    {"Begin chapter", {"Title", "End chapter", "Begin book", "Begin verse", "End chapter"}},
    {"Begin verse", {"Title", "End verse", "Begin chapter", "Quizzes / stays", "End verse"}},
    {"End book", {"Begin book", "Style name", "-", "End chapter", "Style name"}},
    {"End chapter", {"Begin chapter", "Style name", "End book", "End verse / Style name", "Style name"}},
    {"End verse", {"Begin verse", "Style name", "End chapter", "Sector by / stays", "Style name"}},
    {"Style name", {"End chapter", "Output file", "ignored", "Repeats", "Output file"}},
    {"Output file", {"Style name", "Output", "ignored", "Total Min / FTV Min", "Output"}},
    {"Lines/Pg", {"Output file", "Questions per pack", "stays", "Output", "Output"}},
    {"Output", {"Output file", "Questions per pack", "Lines/Pg", "Total Min", "Questions per pack"}},
    {"Questions per pack", {"Output", "A and B", "-", "CV Ref Min", "A and B"}},
    {"A and B", {"Questions per pack", "Window end", "-", "Situation Min", "Window end"}},
    {"Window start", {"A and B", "Pct Int", "A and B", "Window end", "Pct Int"}},
    {"Window end", {"A and B", "Reindex / Pct Int", "Window start", "Pct Prim FTV", "Reindex / Pct Int"}},
    {"Pct Int", {"Window start / A and B", "Quizzes", "stays", "Reindex", "Reindex"}},
    {"Reindex", {"Window end", "Quizzes", "Pct Int", "Set Specialty", "Quizzes"}},
    {"Quizzes", {"Title", "Sector by", "Begin verse", "-", "Sector by"}},
    {"Sector by", {"Quizzes", "Repeats", "End verse", "-", "Repeats"}},
    {"Repeats", {"Sector by", "Total Max", "Style name", "-", "FTV Max / stays"}},
    {"Total Min", {"Repeats", "FTV Min", "Output", "Total Max", "FTV Min"}},
    {"Total Max", {"Repeats", "FTV Max", "Total Min", "-", "FTV Max"}},
    {"FTV Min", {"Total Min", "CV Ref Min", "Output", "FTV Max", "CV Ref Min"}},
    {"FTV Max", {"Total Max", "CV Ref Max", "FTV Min", "-", "CV Ref Max"}},
    {"CV Ref Min", {"FTV Min", "CO Ref Min", "Questions per pack / Output", "CV Ref Max", "CO Ref Min"}},
    {"CV Ref Max", {"FTV Max", "CO Ref Max", "CV Ref Min", "-", "CO Ref Max"}},
    {"CO Ref Min", {"CV Ref Min", "Situation Min", "Questions per pack", "CO Ref Max", "Situation Min"}},
    {"CO Ref Max", {"CV Ref Max", "Situation Max", "CO Ref Min", "-", "Situation Max"}},
    {"Situation Min", {"CO Ref Min", "Pct Prim FTV", "A and B", "Situation Max", "Pct Prim FTV"}},
    {"Situation Max", {"CO Ref Max", "Reg / Set Specialty", "Situation Min", "-", "Reg / Set Specialty"}},
    {"Pct Prim FTV", {"Situation Min", "Set Specialty", "Window end", "Reg", "Set Specialty"}},
    {"Reg", {"Situation Max", "Set Specialty", "Pct Prim FTV", "-", "Set Specialty"}},
    {"Set Specialty", {"Reg", "Begin chapter", "Reindex", "-", "Begin chapter"}},
};
const int KEYS[5] = {UP, DOWN, LEFT, RIGHT, RET};
const char* const KEY_NAMES[5] = {"Up", "Down", "Left", "Right", "Return"};

// The target named by one half of a cell.
std::string half(const std::string& cell, bool after) {
    size_t slash = cell.find(" / ");
    if (slash == std::string::npos) return cell;
    return after ? cell.substr(slash + 3) : cell.substr(0, slash);
}

// Checks where the cursor is, given the target's name, from field `from`.
void expect_landing(const FormSession& s, Field from, const std::string& target, bool typed,
                    const std::string& where) {
    if (target == "Title") {
        EXPECT_TRUE(s.title_highlighted()) << where;
    } else if (target == "ignored") {
        // Left plays no part in a name: it types nothing and an entry goes on.
        EXPECT_EQ(s.cursor(), (std::pair{typed ? 28 : 27, info(from).row})) << where;
    } else {
        Field to = NAMES.at(target);
        EXPECT_EQ(s.cursor(), pos(to == Field::None ? from : to)) << where;
    }
}

}  // namespace

TEST(FormNavigation, EveryCellBeforeAnEntry) {
    ASSERT_EQ(std::size(TABLE), size_t(FIELD_COUNT));
    for (const Row& row : TABLE) {
        Field from = NAMES.at(row.field);
        for (int k = 0; k < 5; ++k) {
            FormSession s;
            s.run({KEYS[k]}, from);
            expect_landing(s, from, half(row.cells[k], false), false,
                           std::string(row.field) + " " + KEY_NAMES[k]);
        }
    }
}

TEST(FormNavigation, EveryCellWhenTheKeyEndsAnEntry) {
    for (const Row& row : TABLE) {
        Field from = NAMES.at(row.field);
        Kind kind = info(from).kind;
        if (kind != Kind::Number && kind != Kind::Name) continue;
        for (int k = 0; k < 5; ++k) {
            FormSession s;
            s.run({kind == Kind::Name ? 'a' : '1', KEYS[k]}, from);
            expect_landing(s, from, half(row.cells[k], true), true,
                           std::string(row.field) + " " + KEY_NAMES[k] + " after an entry");
        }
    }
}

TEST(FormNavigation, NumberEntryEndedByADigitStaysInTheField) {
    FormSession s;
    s.run({'4', '5'}, Field::BeginVerse);
    EXPECT_EQ(s.cursor(), pos(Field::BeginVerse));
    EXPECT_EQ(s.ed.style.BVER, 32);  // Romans 1 has 32 verses
}
