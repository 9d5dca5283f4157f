#include "editor/form.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>

#include "base/printable.h"
#include "base/utf8.h"
#include "editor/checks.h"
#include "style/layouts.h"
#include "style/settings.h"

namespace tv {

namespace {

using F = Field;

constexpr int NAME_WIDTH = 10;
constexpr KeyHint FIELD_KEYS[] = {
    {"Arrows/Return", "Move"}, {"", "Type over a value"}, {"Esc", "To the title"}};
constexpr KeyHint TITLE_KEYS[] = {
    {"Return", "Save and run"}, {"Esc", "Menu, unsaved"}, {"Down", "Back to the fields"}};

// Where a navigation key leads before an entry, and when it ends an entry.
struct Move {
    Field before, after;
};
constexpr Move m(Field t) { return {t, t}; }
constexpr Move m(Field t, Field after) { return {t, after}; }
constexpr Move DASH = {F::None, F::None};
// Up, Down, Left, Right, Return.
using Moves = std::array<Move, 5>;

// What corrects a typed number beyond the field's clamp: the places of the material
// (kept inside the season's books) and Pct Prim FTV (moved to an allowed value).
using AfterNumber = void (*)(Console&, EditorStyle&, const Season&);

void allowed_prim(Console&, EditorStyle& s, const Season&) {
    s.PRIMPCT = allowed_prim_pct(s.PRIMPCT);
}

// The form's half of a setting: the field, where it is and how it is shown, where the
// keys lead from it, and how a typed number is moved inside the values the form gives
// (the limits of the style file are in style/settings.cpp).
struct FieldRow {
    Field field;
    FieldInfo info;
    Moves moves;
    Limits clamp = ANY_VALUE;
    AfterNumber after = nullptr;
};

constexpr FieldRow number(Field f, int col, int row, int width, int first, int Style::*n,
                          Moves moves, Limits clamp = ANY_VALUE, AfterNumber after = nullptr) {
    return {f, {col, row, Kind::Number, width, first, n, nullptr}, moves, clamp, after};
}
constexpr FieldRow letter(Field f, int col, int row, char Style::*l, Moves moves) {
    return {f, {col, row, Kind::Letter, 0, 0, nullptr, l}, moves};
}
constexpr FieldRow other(Field f, int col, int row, Kind kind, Moves moves,
                         std::string Style::*text = nullptr) {
    return {f, {col, row, kind, 0, 0, nullptr, nullptr, text}, moves};
}
constexpr Limits within(int low, int high) { return {{low}, {high}}; }
constexpr Limits at_most(int high, int Style::*max = nullptr) { return {{INT_MIN}, {high, max}}; }
constexpr Limits from_up_to(int Style::*min, int high) { return {{INT_MIN, min}, {high}}; }

using S = Style;

// In the order of the Field enumeration.
constexpr std::array<FieldRow, FIELD_COUNT> FIELDS = {{
    other(F::BeginBook, 14, 6, Kind::Book,
          {m(F::Title), m(F::EndBook), DASH, m(F::BeginChapter), m(F::EndBook)}),
    number(F::BeginChapter, 27, 6, 2, 1, &S::BCHAP,
           {m(F::Title), m(F::EndChapter), m(F::BeginBook), m(F::BeginVerse), m(F::EndChapter)},
           ANY_VALUE, enter_begin_chapter),
    number(
        F::BeginVerse, 35, 6, 2, 1, &S::BVER,
        {m(F::Title), m(F::EndVerse), m(F::BeginChapter), m(F::Quizzes, F::None), m(F::EndVerse)},
        ANY_VALUE, limit_begin_verse),
    other(F::EndBook, 14, 8, Kind::Book,
          {m(F::BeginBook), m(F::StyleName), DASH, m(F::EndChapter), m(F::StyleName)}),
    number(F::EndChapter, 27, 8, 2, 1, &S::ECHAP,
           {m(F::BeginChapter), m(F::StyleName), m(F::EndBook), m(F::EndVerse, F::StyleName),
            m(F::StyleName)},
           ANY_VALUE, enter_end_chapter),
    number(F::EndVerse, 35, 8, 2, 1, &S::EVER,
           {m(F::BeginVerse), m(F::StyleName), m(F::EndChapter), m(F::SectorBy, F::None),
            m(F::StyleName)},
           ANY_VALUE, limit_end_verse),
    // Left plays no part in a name: every letter typed there is text.
    other(F::StyleName, 27, 10, Kind::Name,
          {m(F::EndChapter), m(F::OutputFile), DASH, m(F::Repeats), m(F::OutputFile)}),
    other(F::OutputFile, 27, 12, Kind::Name,
          {m(F::StyleName), m(F::Output), DASH, m(F::TotalMin, F::FtvMin), m(F::Output)},
          &S::NAME4),
    number(F::LinesPg, 15, 14, 3, 0, &S::LPP,
           {m(F::OutputFile), m(F::QuestionsPerPack), DASH, m(F::Output), m(F::Output)},
           within(18, 500)),
    letter(F::Output, 36, 14, &S::OUT,
           {m(F::OutputFile), m(F::QuestionsPerPack), m(F::LinesPg), m(F::TotalMin),
            m(F::QuestionsPerPack)}),
    // Fewer than two questions a quiz cannot be cut into sectors.
    number(F::QuestionsPerPack, 35, 16, 2, 1, &S::QMAX,
           {m(F::Output), m(F::AandB), DASH, m(F::CvRefMin), m(F::AandB)}, within(2, 30)),
    number(F::AandB, 35, 18, 2, 1, &S::AB,
           {m(F::QuestionsPerPack), m(F::WindowEnd), DASH, m(F::SitMin), m(F::WindowEnd)}),
    number(F::WindowStart, 28, 20, 2, 1, &S::SPEARLY,
           {m(F::AandB), m(F::PctInt), m(F::AandB), m(F::WindowEnd), m(F::PctInt)},
           at_most(10, &S::SPLATE)),
    number(F::WindowEnd, 35, 20, 2, 1, &S::SPLATE,
           {m(F::AandB), m(F::Reindex, F::PctInt), m(F::WindowStart), m(F::PctPrim),
            m(F::Reindex, F::PctInt)},
           from_up_to(&S::SPEARLY, 30)),
    number(F::PctInt, 15, 22, 3, 0, &S::IPC,
           {m(F::WindowStart, F::AandB), m(F::Quizzes), DASH, m(F::Reindex), m(F::Reindex)},
           at_most(100)),
    letter(F::Reindex, 36, 22, &S::INDX,
           {m(F::WindowEnd), m(F::Quizzes), m(F::PctInt), m(F::SetSpecialty), m(F::Quizzes)}),
    number(F::Quizzes, 72, 6, 3, 1, &S::QNUM,
           {m(F::Title), m(F::SectorBy), m(F::BeginVerse), DASH, m(F::SectorBy)}, at_most(100)),
    letter(F::SectorBy, 74, 8, &S::SEC1,
           {m(F::Quizzes), m(F::Repeats), m(F::EndVerse), DASH, m(F::Repeats)}),
    number(F::Repeats, 72, 10, 3, 0, &S::REPEATPCT,
           {m(F::SectorBy), m(F::TotalMax), m(F::StyleName), DASH, m(F::FtvMax, F::None)},
           at_most(100)),
    number(F::TotalMin, 64, 14, 2, 0, &S::SPMIN,
           {m(F::Repeats), m(F::FtvMin), m(F::Output), m(F::TotalMax), m(F::FtvMin)},
           at_most(20, &S::SPMAX)),
    number(F::TotalMax, 73, 14, 2, 0, &S::SPMAX,
           {m(F::Repeats), m(F::FtvMax), m(F::TotalMin), DASH, m(F::FtvMax)},
           from_up_to(&S::SPMIN, 20)),
    number(F::FtvMin, 64, 15, 2, 0, &S::FMIN,
           {m(F::TotalMin), m(F::CvRefMin), m(F::Output), m(F::FtvMax), m(F::CvRefMin)},
           at_most(10, &S::FMAX)),
    number(F::FtvMax, 73, 15, 2, 0, &S::FMAX,
           {m(F::TotalMax), m(F::CvRefMax), m(F::FtvMin), DASH, m(F::CvRefMax)},
           from_up_to(&S::FMIN, 10)),
    number(F::CvRefMin, 64, 16, 2, 0, &S::RMIN,
           {m(F::FtvMin), m(F::CoRefMin), m(F::QuestionsPerPack, F::Output), m(F::CvRefMax),
            m(F::CoRefMin)},
           at_most(10, &S::RMAX)),
    number(F::CvRefMax, 73, 16, 2, 0, &S::RMAX,
           {m(F::FtvMax), m(F::CoRefMax), m(F::CvRefMin), DASH, m(F::CoRefMax)},
           from_up_to(&S::RMIN, 10)),
    number(F::CoRefMin, 64, 17, 2, 0, &S::OMIN,
           {m(F::CvRefMin), m(F::SitMin), m(F::QuestionsPerPack), m(F::CoRefMax), m(F::SitMin)},
           at_most(10, &S::OMAX)),
    number(F::CoRefMax, 73, 17, 2, 0, &S::OMAX,
           {m(F::CvRefMax), m(F::SitMax), m(F::CoRefMin), DASH, m(F::SitMax)},
           from_up_to(&S::OMIN, 10)),
    // The form keeps the situation range at 0.
    number(F::SitMin, 64, 18, 2, 0, &S::SMIN,
           {m(F::CoRefMin), m(F::PctPrim), m(F::AandB), m(F::SitMax), m(F::PctPrim)}, at_most(0)),
    number(F::SitMax, 73, 18, 2, 0, &S::SMAX,
           {m(F::CoRefMax), m(F::Reg, F::SetSpecialty), m(F::SitMin), DASH,
            m(F::Reg, F::SetSpecialty)},
           at_most(0)),
    number(F::PctPrim, 56, 20, 3, 0, &S::PRIMPCT,
           {m(F::SitMin), m(F::SetSpecialty), m(F::WindowEnd), m(F::Reg), m(F::SetSpecialty)},
           ANY_VALUE, allowed_prim),
    letter(F::Reg, 74, 20, &S::REGLST,
           {m(F::SitMax), m(F::SetSpecialty), m(F::PctPrim), DASH, m(F::SetSpecialty)}),
    letter(F::SetSpecialty, 74, 22, &S::SETSPC,
           {m(F::Reg), m(F::BeginChapter), m(F::Reindex), DASH, m(F::BeginChapter)}),
}};

constexpr bool in_field_order() {
    for (size_t i = 0; i < FIELDS.size(); ++i)
        if (FIELDS[i].field != static_cast<Field>(i)) return false;
    return true;
}
static_assert(in_field_order(), "FIELDS holds one row per field, in the order of Field");

const FieldRow& row_of(Field f) { return FIELDS.at(static_cast<size_t>(f)); }

constexpr int NO_MOVE = -1;  // what a key that moves nowhere gives

// The column of a navigation code in the table, NO_MOVE for other codes.
int nav_index(int k) {
    switch (k) {
    case key::UP: return 0;
    case key::DOWN: return 1;
    case key::LEFT: return 2;
    case key::RIGHT: return 3;
    case key::ENTER: return 4;
    default: return NO_MOVE;
    }
}

// The navigation code of a key: the scan code of a real arrow key, Enter, or NO_MOVE
// for any other key. A typed "H", "P", "K" or "M" is a letter, never an arrow.
int nav_code(Key k) {
    if (k.typed(key::ENTER)) return key::ENTER;
    if (k.extended && nav_index(k.code) != NO_MOVE) return k.code;
    return NO_MOVE;
}

bool typed_digit(Key k, int lowest) {
    return !k.extended && k.code >= '0' + lowest && k.code <= '9';
}

struct TextRow {
    int row;
    const char* text;
};
const TextRow FORM_TEXT[] = {
    {6, "    Begin:       Chapter:    Ver:        Number of Quizzes in this Run:"},
    {8, "    End:         Chapter:    Ver:        Sector by Chp/Vrs/Que (c/v/q):"},
    {10, "    Name of Quiz Style  :                Percent Eligible for Repeats :"},
    {12, "    Name of Output File :                Specialty Ranges              "},
    {14, "    Lines/Pg:                                Total        Min:     Max:"},
    {15, "                                             FTV Type     Min:     Max:"},
    {16, "    Number of Questions per pack:            CV Ref       Min:     Max:"},
    {17, "                                             CO Ref       Min:     Max:"},
    {18, "    A and B Questions begin on  :            Situation    Min:     Max:"},
    {20, "    Specialties may appear    to         Pct Prim FTV:     Reg (a/b/c):"},
    {22, "    Pct Int :      Reindex (y/n):        Set Specialty Quest nos (y/n):"},
};

struct Form {
    Console& con;
    Editor& ed;
    const Season& EVS;  // the books of the material and their verse counts
};

std::string& name_of(Editor& ed, Field f) {
    return f == F::StyleName ? ed.NAME1 : ed.style.*info(f).text;
}

// Stores a typed number, moved inside the field's clamp and corrected by its handler.
void store(Form& fm, Field f, int v) {
    const FieldRow& r = row_of(f);
    EditorStyle& s = fm.ed.style;
    s.*r.info.number = clamp_to(r.clamp, s, v);
    if (r.after) r.after(fm.con, s, fm.EVS);
}

// A key that a letter field takes, as the letter stored (upper case); 0 for any other key.
char accepted_letter(Field f, int k) {
    const int up = k >= 'a' && k <= 'z' ? k - 'a' + 'A' : k;
    if (up < 'A' || up > 'Z') return 0;
    for (const SettingRow& row : setting_rows())
        if (row.letter && row.letter == info(f).letter)
            return std::string_view(row.letters).find(char(up)) != std::string_view::npos ? char(up)
                                                                                          : 0;
    return 0;
}

Field visit_book(Form& fm, Field f) {
    const FieldInfo& fi = info(f);
    for (;;) {
        fm.con.go(fi.col, fi.row);
        const Key k = fm.con.read();
        if (k.typed(key::ESC)) return F::Title;
        if (const Book* book = k.extended ? nullptr : fm.EVS.book_for_key(k.code)) {
            if (f == F::BeginBook)
                enter_begin_book(fm.con, fm.ed.style, fm.EVS, *book);
            else
                enter_end_book(fm.con, fm.ed.style, fm.EVS, *book);
            continue;
        }
        Field t = nav_target(f, nav_code(k), false);
        if (t != F::None) return t;
    }
}

Field visit_letter(Form& fm, Field f) {
    const FieldInfo& fi = info(f);
    for (;;) {
        fm.con.go(fi.col, fi.row);
        const Key k = fm.con.read();
        if (k.typed(key::ESC)) return F::Title;
        if (char c = k.extended ? 0 : accepted_letter(f, k.code)) {
            fm.ed.style.*fi.letter = c;
            value_colours(fm.con);
            fm.con.write(c);
            continue;
        }
        Field t = nav_target(f, nav_code(k), false);
        if (t != F::None) return t;
    }
}

// Reads the next key of a number entry: Esc, a digit or a navigation key.
Key entry_key(Console& con) {
    for (;;) {
        const Key k = con.read();
        if (k.typed(key::ESC) || typed_digit(k, 0) || nav_code(k) != NO_MOVE) return k;
    }
}

Field visit_number(Form& fm, Field f) {
    Console& con = fm.con;
    const FieldInfo& fi = info(f);
    Key k;
    for (;;) {
        con.go(fi.col, fi.row);
        k = con.read();
        if (k.typed(key::ESC)) return F::Title;
        if (typed_digit(k, fi.first_digit)) break;
        Field t = nav_target(f, nav_code(k), false);
        if (t != F::None) return t;
    }
    const int old = fm.ed.style.*fi.number;
    value_colours(con);
    con.write_at(fi.col, fi.row, std::string(fi.width, ' '));
    con.go(fi.col, fi.row);
    con.write(char(k.code));
    int value = k.code - '0';
    int end_key = 0;  // the navigation key that ended the entry, 0 for a digit
    // A chapter's first digit ends the entry when no chapter of the books begins with
    // it and another digit (3 and above when the longest book has 10-19 chapters).
    bool chapter = f == F::BeginChapter || f == F::EndChapter;
    const int last_first_digit = fm.EVS.longest_book() / 10 + 1;
    for (int digits = 1; digits < fi.width && !(chapter && value > last_first_digit); ++digits) {
        k = entry_key(con);
        if (k.typed(key::ESC)) {
            write_value(con, fi.col, fi.row, old, fi.width);
            return F::Title;
        }
        if (nav_code(k) != NO_MOVE) {
            end_key = nav_code(k);
            break;
        }
        value = value * 10 + (k.code - '0');
        if (digits + 1 < fi.width) con.write(char(k.code));
    }
    store(fm, f, value);
    write_value(con, fi.col, fi.row, fm.ed.style.*fi.number, fi.width);
    if (end_key == 0) return f;
    Field t = nav_target(f, end_key, true);
    return t == F::None ? f : t;
}

// A typed letter or a digit 1-9, every capital included.
bool name_char(Key k) {
    const int c = k.code;
    return !k.extended &&
           ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '1' && c <= '9'));
}

// Up, Down, Right and Return move on from a name; Left plays no part there.
bool leaves_name(Key k) {
    const int nav = nav_code(k);
    return nav >= 0 && nav != key::LEFT;
}

Field visit_name(Form& fm, Field f) {
    Console& con = fm.con;
    const FieldInfo& fi = info(f);
    std::string& name = name_of(fm.ed, f);
    show_field(con, fm.ed, f);
    Key k;
    for (;;) {
        con.go(fi.col, fi.row);
        k = con.read();
        if (k.typed(key::ESC)) return F::Title;
        if (leaves_name(k)) return nav_target(f, nav_code(k), false);
        if (name_char(k)) break;
    }
    std::string typed;
    value_colours(con);
    con.write_at(fi.col, fi.row,
                 std::string(std::max<size_t>(NAME_WIDTH, utf8::length(name)), ' '));
    for (;;) {
        const char c = char(typed.empty() ? std::toupper(k.code) : k.code);
        typed += c;
        con.write_at(fi.col - 1 + int(typed.size()), fi.row, std::string(1, c));
        k = con.read();
        if (typed.size() == NAME_WIDTH) break;
        while (!(name_char(k) || leaves_name(k))) k = con.read();
        if (leaves_name(k)) break;
    }
    name = typed;
    if (typed.size() == NAME_WIDTH) return f == F::StyleName ? F::OutputFile : F::Output;
    return nav_target(f, nav_code(k), true);
}

Field visit(Form& fm, Field f) {
    switch (info(f).kind) {
    case Kind::Book: return visit_book(fm, f);
    case Kind::Letter: return visit_letter(fm, f);
    case Kind::Name: return visit_name(fm, f);
    case Kind::Number: break;
    }
    return visit_number(fm, f);
}

// The title line, reached with the checks passed: Return accepts, Esc discards,
// Down goes back to the form. Returns the key.
int title_line(Console& con) {
    con.keys(TITLE_KEYS);
    con.go(TITLE_COL, TITLE_ROW);
    draw_title_ready(con);
    for (;;) {
        const Key k = con.read();
        if (k.typed(key::ENTER) || k.typed(key::ESC)) return k.code;
        if (k.is(key::DOWN)) {
            draw_title(con);
            return key::DOWN;
        }
    }
}

// The field of a setting outside the form's values; None for the position-type line.
Field field_of(const SettingProblem& p) {
    for (int i = 0; i < FIELD_COUNT; ++i) {
        const FieldInfo& fi = info(static_cast<Field>(i));
        if ((p.number && fi.number == p.number) || (p.letter && fi.letter == p.letter) ||
            (p.text_setting && fi.text == p.text_setting))
            return static_cast<Field>(i);
    }
    return F::None;
}

// A value a run cannot use (from a style file edited by hand) must be corrected
// before the style is accepted: the problem is shown on the title row until Return,
// and the field of the setting is returned. None when every value can be used.
Field range_check(Console& con, const EditorStyle& s, const Season& season) {
    for (const SettingProblem& p : settings_out_of_range(to_absolute(s), season)) {
        const Field f = field_of(p);
        if (f == F::None) continue;
        con.highlight();
        con.go(1, TITLE_ROW);
        con.clear_eol();
        con.write_at(3, TITLE_ROW, printable(p.text) + ".");
        con.write_at(3, TITLE_ROW + 2, "Press Return to go to the setting ");
        while (!con.read().typed(key::ENTER)) {
        }
        con.normal();
        for (int row : {TITLE_ROW, TITLE_ROW + 2}) {
            con.go(1, row);
            con.clear_eol();
        }
        draw_title(con);
        return f;
    }
    return F::None;
}

}  // namespace

const FieldInfo& info(Field f) { return row_of(f).info; }

Field nav_target(Field from, int k, bool after_entry) {
    int i = nav_index(k);
    if (i == NO_MOVE || from == F::Title || from == F::None) return F::None;
    const Move& mv = row_of(from).moves[static_cast<size_t>(i)];
    return after_entry ? mv.after : mv.before;
}

void value_colours(Console& con) { con.use(Role::Value); }

void write_value(Console& con, int col, int row, long n, int width) {
    value_colours(con);
    con.go(col, row);
    con.write_num(n, width);
}

void show_field(Console& con, const Editor& ed, Field f) {
    const FieldInfo& fi = info(f);
    const EditorStyle& s = ed.style;
    value_colours(con);
    switch (fi.kind) {
    case Kind::Book: con.write_at(fi.col, fi.row, f == F::BeginBook ? s.BBK : s.EBK); break;
    case Kind::Number: write_value(con, fi.col, fi.row, s.*fi.number, fi.width); break;
    case Kind::Letter: con.write_at(fi.col - 1, fi.row, std::string(" ") + s.*fi.letter); break;
    case Kind::Name: {
        // A name read from a file may hold any byte: it is shown printably.
        const std::string name = printable(f == F::StyleName ? ed.NAME1 : s.NAME4);
        con.write_at(fi.col, fi.row,
                     std::string(std::max<size_t>(NAME_WIDTH, utf8::length(name)), ' '));
        con.write_at(fi.col, fi.row, name);
        break;
    }
    }
}

void draw_title_rule(Console& con) {
    con.normal();
    con.write_at(1, TITLE_ROW + 1, std::string(4, ' ') + std::string(70, '_'));
    con.clear_eol();
}

void draw_form(Console& con, const Editor& ed) {
    con.normal();
    con.write_at(TITLE_COL, TITLE_ROW, TITLE);
    draw_title_rule(con);
    for (const TextRow& t : FORM_TEXT) con.write_at(1, t.row, t.text);
    con.write_at(19, 14, layout_label() + ":");
    con.write_at(1, 13, std::string(71, ' '));
    for (int i = 0; i < FIELD_COUNT; ++i) show_field(con, ed, static_cast<Field>(i));
    value_colours(con);
}

void draw_title_ready(Console& con) {
    con.use(Role::Ready);
    con.write(TITLE);
    value_colours(con);
}

void draw_title(Console& con) {
    con.normal();
    con.write_at(TITLE_COL, TITLE_ROW, TITLE);
    value_colours(con);
}

namespace {

void show_number(Console& con, const EditorStyle& s, Field f) {
    const FieldInfo& fi = info(f);
    write_value(con, fi.col, fi.row, s.*fi.number, fi.width);
}

void show_begin(Console& con, const EditorStyle& s) {
    show_number(con, s, F::BeginChapter);
    show_number(con, s, F::BeginVerse);
}

void show_end(Console& con, const EditorStyle& s) {
    show_number(con, s, F::EndChapter);
    show_number(con, s, F::EndVerse);
}

void show_book(Console& con, const std::string& book, Field f) {
    value_colours(con);
    con.write_at(info(f).col, info(f).row, book);
}

}  // namespace

void enter_begin_book(Console& con, EditorStyle& s, const Season& EVS, const Book& book) {
    set_begin_book(s, EVS, book);
    show_book(con, s.BBK, F::BeginBook);
    show_begin(con, s);
}

void enter_begin_chapter(Console& con, EditorStyle& s, const Season& EVS) {
    correct_begin_chapter(s, EVS);
    show_begin(con, s);
}

void enter_end_book(Console& con, EditorStyle& s, const Season& EVS, const Book& book) {
    set_end_book(s, EVS, book);
    show_book(con, s.EBK, F::EndBook);
    show_end(con, s);
}

void enter_end_chapter(Console& con, EditorStyle& s, const Season& EVS) {
    correct_end_chapter(s, EVS);
    show_end(con, s);
}

void limit_begin_verse(Console& con, EditorStyle& s, const Season& EVS) {
    lower_begin_verse(s, EVS);
    show_number(con, s, F::BeginVerse);
}

void limit_end_verse(Console& con, EditorStyle& s, const Season& EVS) {
    lower_end_verse(s, EVS);
    show_number(con, s, F::EndVerse);
}

bool show_failed_check(Console& con, const EditorStyle& s) {
    const int n = failing_check(s);
    if (n == 0) return false;
    constexpr KeyHint ERROR_KEYS[] = {{"Return", "Go to the field in error"}};
    con.keys(ERROR_KEYS);
    con.highlight();
    con.write_at(TITLE_COL, TITLE_ROW, ERROR_TEXT);
    const std::string why = check_reason(s, n);
    con.write_at(static_cast<int>(Screen::COLS - why.size()) / 2 + 1, TITLE_ROW + 1, why);
    value_colours(con);
    while (con.read_key() != key::ENTER) {
    }
    draw_title_rule(con);
    draw_title(con);
    return true;
}

bool run_form(Console& con, Editor& ed, Field start) {
    const Editor saved = ed;
    Form fm{con, ed, ed.season};
    Field f = start;
    for (;;) {
        con.keys(FIELD_KEYS);
        Field next = visit(fm, f);
        if (next == F::Title) {
            if (show_failed_check(con, ed.style)) {
                next = check_field(failing_check(ed.style));
            } else {
                int k = title_line(con);
                if (k == key::ESC) {
                    ed = saved;
                    return false;
                }
                next = F::BeginChapter;
                if (k == key::ENTER) {
                    // Only a style to be saved and run must hold values a run can use.
                    next = range_check(con, ed.style, ed.season);
                    if (next == F::None) return true;
                }
            }
        }
        f = next;
    }
}

namespace {

bool draw_and_edit(Console& con, Editor& ed, Field start) {
    con.normal();
    con.clr();
    draw_form(con, ed);
    return run_form(con, ed, start);
}

}  // namespace

bool edit_form(Console& con, Editor& ed) { return draw_and_edit(con, ed, F::BeginChapter); }

bool resume_form(Console& con, Editor& ed) { return draw_and_edit(con, ed, F::SetSpecialty); }

}  // namespace tv
