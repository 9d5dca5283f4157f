#include "sectors/screens.h"

#include <algorithm>

#include "base/utf8.h"
#include "sectors/chapsec.h"
#include "sectors/display.h"

namespace tv {

namespace {

constexpr KeyHint LIST_KEYS[] = {{"Up/Down", "Move"},
                                 {"0-9 :", "Sectors (: is 10)"},
                                 {"Return", "Done"},
                                 {"Esc", "Stop the run"}};
constexpr KeyHint TABLE_KEYS[] = {{"Return", "Go on"}, {"Esc", "Change the counts"}};

// "Rom. ", "Jam. ", "1Pe. ": the book of an entry in the list, in five columns.
std::string book_label(const Season& season, int ch) {
    std::string name = season.book_of(ch).name;
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    name = std::string(utf8::prefix(name, 3)) + ".";
    return name + std::string(5 - utf8::length(name), ' ');
}

// Entry Y (from 1) of the list: chapter BCHAP + Y - 1, in two columns.
int entry_row(int Y) { return Y < 18 ? Y + 4 : Y - 13; }
int entry_col(int Y) { return Y < 18 ? 3 : 40; }
int count_col(int Y) { return entry_col(Y) + 10; }

// The next listed entry in direction dir (+1 down, -1 up), wrapping at both ends.
int move_entry(const Style& st, const Season& season, int Y, int dir) {
    const int X = material_chapters(st);
    for (int i = 0; i < X; ++i) {
        Y += dir;
        if (Y > X) Y = 1;
        if (Y < 1) Y = X;
        if (!chapter_left_out(st, season, st.BCHAP + Y - 1)) break;
    }
    return Y;
}

void show_list(Console& con, const Style& st, const Season& season, const SectorTables& t) {
    for (int Y = 1; Y <= material_chapters(st); ++Y) {
        const int ch = st.BCHAP + Y - 1;
        if (chapter_left_out(st, season, ch)) continue;
        con.go(entry_col(Y), entry_row(Y));
        con.write(book_label(season, ch));
        con.write_num(season.within(ch), 2);
        con.write(": ");
        con.write_num(t.CS[ch], 3);
        con.writeln();
    }
}

bool is_count_key(Key k) {
    return !k.extended && ((k.code >= '0' && k.code <= '9') || k.code == ':');
}
bool is_move_key(Key k) { return k.is(key::UP) || k.is(key::DOWN); }
int move_step(Key k) { return k.is(key::DOWN) ? +1 : -1; }

[[noreturn]] void stop_run() { throw RunAbandoned{"Esc on the chapter list"}; }

// Where a refused total is told; cleared as soon as the counts change.
constexpr int TOTAL_COL = 40, TOTAL_ROW = 20;

// Lets the user edit the counts until they add up to SECTORS. Esc stops the run.
void edit_counts(Console& con, const Style& st, const Season& season, SectorTables& t) {
    const int X = material_chapters(st);
    int Y = chapter_left_out(st, season, st.BCHAP) ? move_entry(st, season, 1, +1) : 1;
    bool refused_shown = false;
    for (;;) {
        con.go(count_col(Y), entry_row(Y));
        Key k = con.read();
        if (k.typed(key::ESC)) stop_run();
        if (refused_shown && is_count_key(k)) {
            for (int row : {TOTAL_ROW, TOTAL_ROW + 1}) {
                con.go(TOTAL_COL, row);
                con.clear_eol();
            }
            refused_shown = false;
            con.go(count_col(Y), entry_row(Y));
        }
        if (is_move_key(k)) {
            Y = move_entry(st, season, Y, move_step(k));
        } else if (is_count_key(k)) {
            const int first = k.code - '0';
            con.write("  ");
            con.go(count_col(Y), entry_row(Y));
            con.write(static_cast<char>(k.code));
            int count = first;
            // A second digit completes the count; an arrow or Return ends it at one digit.
            Key next;
            do next = con.read();
            while (!is_count_key(next) && !is_move_key(next) && !next.typed(key::ENTER) &&
                   !next.typed(key::ESC));
            if (next.typed(key::ESC)) stop_run();
            if (is_count_key(next)) count = 10 * first + (next.code - '0');
            if (count == 0 && (st.LG == 'L' || Y == X)) count = 1;
            t.CS[st.BCHAP + Y - 1] = count;
            con.go(count_col(Y), entry_row(Y));
            con.write_num(count, 2);
            if (is_move_key(next)) Y = move_entry(st, season, Y, move_step(next));
            k = next;
        }
        if (k.typed(key::ENTER)) {
            int sum = 0;
            for (int ch = st.BCHAP; ch <= st.ECHAP; ++ch) sum += t.CS[ch];
            if (sum == t.SECTORS) return;
            con.go(TOTAL_COL, TOTAL_ROW);
            con.write("Your total is ");
            con.write_num(sum);
            con.write(" questions                 ");
            con.go(TOTAL_COL, TOTAL_ROW + 1);
            con.write("Total questions must equal ");
            con.write_num(t.SECTORS);
            refused_shown = true;
        }
    }
}

// Below the smallest-sector line: the chapter whose verses ran out before its
// sectors, if any. Such a run cannot go on; Esc goes back to the counts.
void tell_short_chapter(Console& con, const Season& season, const SectorTables& t) {
    for (int s = 1; s <= std::min(t.SECTORS, MAX_SECTORS); ++s) {
        if (!holds_no_verse(t, s)) continue;
        const int ch = t.BC[s];
        con.go(3, 4);
        con.write(book_label(season, ch));
        con.write_num(season.within(ch));
        con.write(" runs out of verses: Esc changes the counts, other keys end the run.");
        return;
    }
}

}  // namespace

void draw_sector_table(Console& con, const Season& season, const SectorTables& t) {
    for (const std::string& line : sector_table_lines(t, season)) con.writeln(line);
    con.writeln();
}

void allocate_chapters(Console& con, const Style& style, const Season& season, SectorTables& t) {
    con.write("  Choose questions per chapter.");
    if (style.LG != 'L') con.write(" Use zeros to group chapters.");
    con.writeln();
    show_list(con, style, season, t);
    con.keys(LIST_KEYS);
    edit_counts(con, style, season, t);
}

bool review_chapter_sectors(Console& con, const Season& season, const SectorTables& t) {
    con.clr();
    con.writeln();
    draw_sector_table(con, season, t);
    tell_short_chapter(con, season, t);
    con.go(3, 3);
    con.write("Your smallest sector has ");
    con.write_num(t.MINQZ);
    con.write(t.MINQZ == 1 ? " question. " : " regular questions. ");
    con.keys(TABLE_KEYS);
    const int k = con.read_key();
    if (k == 0) con.read_key();
    return k != key::ESC;
}

}  // namespace tv
