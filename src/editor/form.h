// The configuration form on which one quiz style is edited: the form text, the
// fields with their cursor positions and displays, entry of numbers, names and
// letters, and the navigation between fields and to the title line.
#pragma once
#include <array>

#include "console/console.h"
#include "editor/editor.h"

namespace tv {

// The fields of the form, plus two targets of the navigation table: the title line
// (reached through the checks) and None (the key is ignored / the cursor stays).
enum class Field {
    BeginBook,
    BeginChapter,
    BeginVerse,
    EndBook,
    EndChapter,
    EndVerse,
    StyleName,
    OutputFile,
    LinesPg,
    Output,
    QuestionsPerPack,
    AandB,
    WindowStart,
    WindowEnd,
    PctInt,
    Reindex,
    Quizzes,
    SectorBy,
    Repeats,
    TotalMin,
    TotalMax,
    FtvMin,
    FtvMax,
    CvRefMin,
    CvRefMax,
    CoRefMin,
    CoRefMax,
    SitMin,
    SitMax,
    PctPrim,
    Reg,
    SetSpecialty,
    Title,
    None
};
constexpr int FIELD_COUNT = static_cast<int>(Field::Title);

enum class Kind { Book, Number, Name, Letter };

struct FieldInfo {
    int col, row;  // where the cursor waits
    Kind kind;
    int width;                           // display width of a number
    int first_digit;                     // lowest digit that starts an entry (0 or 1)
    int Style::*number;                  // the record field of a number
    char Style::*letter;                 // the record field of a letter
    std::string Style::*text = nullptr;  // the record field of a name (the style name has none)
};

const FieldInfo& info(Field f);

constexpr const char* TITLE = "Quiz Configuration -- Press Return Here When Ready";
constexpr int TITLE_COL = 15, TITLE_ROW = 3;

// The colours of every value and echo (Role::Value).
void value_colours(Console& con);
// Writes a number right-aligned in `width` at (col,row) in value colours.
void write_value(Console& con, int col, int row, long n, int width);
// Writes the value of one field in its display.
void show_field(Console& con, const Editor& ed, Field f);

// The rule under the title (row 4) in the form's colours.
void draw_title_rule(Console& con);
// Draws the form text and every value; leaves light red on black.
void draw_form(Console& con, const Editor& ed);
// The title at the cursor in white on green, then light red on black.
void draw_title_ready(Console& con);
// The title at (15,3) in yellow on blue, then light red on black.
void draw_title(Console& con);

// The corrections of the material's begin and end (editor/checks.h), shown on the form.
// A book key in the begin book field: the book at (14,6), the begin chapter and verse.
void enter_begin_book(Console& con, EditorStyle& s, const Season& EVS, const Book& book);
// A begin chapter just typed, with the begin verse.
void enter_begin_chapter(Console& con, EditorStyle& s, const Season& EVS);
// A book key in the end book field: the book at (14,8), the end chapter and verse.
void enter_end_book(Console& con, EditorStyle& s, const Season& EVS, const Book& book);
// An end chapter just typed, with the end verse.
void enter_end_chapter(Console& con, EditorStyle& s, const Season& EVS);
// A typed begin or end verse.
void limit_begin_verse(Console& con, EditorStyle& s, const Season& EVS);
void limit_end_verse(Console& con, EditorStyle& s, const Season& EVS);

// Evaluates the checks; when one fails, shows the error on the title row and the
// failed rule on the row below until Return, draws both rows again and returns true.
bool show_failed_check(Console& con, const EditorStyle& s);

// Where a navigation key leads from a field: before any entry, and when the key
// ends a number or name entry. `key` is the code 72, 80, 75, 77 or 13.
Field nav_target(Field from, int key, bool after_entry);

// Edits the style on the form, starting at `start`. Returns true when the user
// accepts on the title line (Return), false when the user leaves it with Esc; on
// Esc the record and the style name are restored as they were on entry.
bool run_form(Console& con, Editor& ed, Field start);

// Draws the form for `ed.style` with `ed.NAME1` as the style name (rows 2-24
// cleared in blue first) and edits it from the begin chapter. True: accepted,
// the caller saves. False: discarded (Esc on the title line), record restored.
bool edit_form(Console& con, Editor& ed);
// Draws the form again as it was left and edits it from "Set Specialty Quest nos".
bool resume_form(Console& con, Editor& ed);

}  // namespace tv
