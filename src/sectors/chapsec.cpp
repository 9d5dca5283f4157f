#include "sectors/chapsec.h"

#include <algorithm>

#include "console/utf8.h"
#include "sectors/count_file.h"
#include "sectors/display.h"
#include "sectors/sectoring.h"

namespace tv {

namespace {

constexpr KeyHint LIST_KEYS[] = {{"Up/Down", "Move"},
                                 {"0-9 :", "Sectors (: is 10)"},
                                 {"Return", "Done"},
                                 {"Esc", "Stop the run"}};
constexpr KeyHint TABLE_KEYS[] = {{"Return", "Go on"}, {"Esc", "Change the counts"}};

// At level L the chapters the level skips are left out of the material (with Romans
// and James, 7, 9-11 and 14-16).
bool left_out(const Style& st, const Season& season, int ch) {
    return st.LG == 'L' && season.level_l_skips(ch);
}

// "Rom. ", "Jam. ", "1Pe. ": the book of an entry in the list, in five columns.
std::string book_label(const Season& season, int ch) {
    std::string name = season.book_of(ch).name;
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    name = std::string(utf8::prefix(name, 3)) + ".";
    return name + std::string(5 - utf8::length(name), ' ');
}

int chapters_of(const Style& st) { return st.ECHAP - st.BCHAP + 1; }

// Entry Y (from 1) of the list: chapter BCHAP + Y - 1, in two columns.
int entry_row(int Y) { return Y < 18 ? Y + 4 : Y - 13; }
int entry_col(int Y) { return Y < 18 ? 3 : 40; }
int count_col(int Y) { return entry_col(Y) + 10; }

// The next listed entry in direction dir (+1 down, -1 up), wrapping at both ends.
int move_entry(const Style& st, const Season& season, int Y, int dir) {
    const int X = chapters_of(st);
    for (int i = 0; i < X; ++i) {
        Y += dir;
        if (Y > X) Y = 1;
        if (Y < 1) Y = X;
        if (!left_out(st, season, st.BCHAP + Y - 1)) break;
    }
    return Y;
}

// Deals the sectors out over the chapters in turn, one at a time.
void propose(const Style& st, const Season& season, SectorTables& t) {
    int T = st.BCHAP;
    for (int i = 0; i < t.SECTORS; ++i) {
        for (int k = 0; k < chapters_of(st) && left_out(st, season, T); ++k) T = T < st.ECHAP ? T + 1 : st.BCHAP;
        ++t.CS[T];
        T = T < st.ECHAP ? T + 1 : st.BCHAP;
    }
}

void show_list(Console& con, const Style& st, const Season& season, const SectorTables& t) {
    for (int Y = 1; Y <= chapters_of(st); ++Y) {
        const int ch = st.BCHAP + Y - 1;
        if (left_out(st, season, ch)) continue;
        con.go(entry_col(Y), entry_row(Y));
        con.write(book_label(season, ch));
        con.write_num(season.within(ch), 2);
        con.write(": ");
        con.write_num(t.CS[ch], 3);
        con.writeln();
    }
}

bool is_count_key(Key k) { return !k.extended && ((k.code >= '0' && k.code <= '9') || k.code == ':'); }
bool is_move_key(Key k) { return k.is(key::UP) || k.is(key::DOWN); }
int move_step(Key k) { return k.is(key::DOWN) ? +1 : -1; }

[[noreturn]] void stop_run() { throw RunAbandoned{"Esc on the chapter list"}; }

// Where a refused total is told; cleared as soon as the counts change.
constexpr int TOTAL_COL = 40, TOTAL_ROW = 20;

// Lets the user edit the counts until they add up to SECTORS. Esc stops the run.
void edit_counts(Console& con, const Style& st, const Season& season, SectorTables& t) {
    const int X = chapters_of(st);
    int Y = left_out(st, season, st.BCHAP) ? move_entry(st, season, 1, +1) : 1;
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
            con.write("          ");
            refused_shown = true;
        }
    }
}

// Below the smallest-sector line: the chapter whose verses ran out before its
// sectors, if any. Such a run cannot go on; Esc goes back to the counts.
void tell_short_chapter(Console& con, const Season& season, const SectorTables& t) {
    for (int s = 1; s <= t.SECTORS && s <= MAX_SECTORS; ++s) {
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

void cut_chapters(const Style& st, const Season& season, SectorTables& t) {
    auto EVS = [&season](int ch) { return season.verses(ch); };
    // No sector ends past the last verse of its chapter within the material. When a
    // chapter or group runs out of verses before its sectors, the sectors left begin
    // after its last verse and end on it: they hold no verse.
    auto last_verse = [&](int ch) { return ch == st.ECHAP ? st.EVER : EVS(ch); };
    int s = 0;
    for (int T = st.BCHAP; T <= st.ECHAP && s < MAX_SECTORS; ++T) {
        if (left_out(st, season, T)) continue;
        const int n = t.CS[T];
        if (n > 0) {
            // A chapter of its own, cut into n runs of about equal length.
            for (int r = 1; r <= n && s < MAX_SECTORS; ++r) {
                ++s;
                t.BC[s] = t.EC[s] = T;
                int L = EVS(T) / n;
                if (T == st.BCHAP && r == 1 && st.BVER > 1) L = (EVS(T) - st.BVER) / n;
                if (T == st.ECHAP) L = st.EVER / n;
                if (r > 1) L = (EVS(T) - t.EV[s - 1]) / (n - r + 1);
                if (T == st.ECHAP && r > 1) L = (st.EVER - t.EV[s - 1]) / (n - r + 1);
                t.BV[s] = s == 1 ? st.BVER : r == 1 ? 1 : t.EV[s - 1] + 1;
                t.EV[s] = std::min(t.BV[s] + L - 1, last_verse(T));
                if (r == n) t.EV[s] = last_verse(T);
            }
        } else {
            // A group: chapters T..G share the sectors of G, the next chapter with a count.
            int G = T;
            while (G < st.ECHAP && t.CS[G] == 0) ++G;
            const int groupn = std::max(1, t.CS[G]);
            int V = 0;
            for (int c = T; c <= G; ++c) V += EVS(c);
            const int L = V / groupn;
            int c = T, v = s == 0 ? st.BVER : 1;
            for (int r = 1; r < groupn && s < MAX_SECTORS; ++r) {
                ++s;
                t.BC[s] = c;
                t.BV[s] = v;
                int end = v + L - 1;
                while (end > EVS(c) && c < G) end -= EVS(c++);
                if (c == G) end = std::min(end, last_verse(G));
                t.EC[s] = c;
                t.EV[s] = end;
                v = end + 1;
                if (v > EVS(c) && c < G) c++, v = 1;
            }
            if (s < MAX_SECTORS) {
                ++s;
                t.BC[s] = c;
                t.BV[s] = v;
                t.EC[s] = G;
                t.EV[s] = last_verse(G);
            }
            T = G;
        }
    }
}

void count_chapter_sectors(const Files& files, const std::string& count_file, const Style& st,
                           const Season& season, SectorTables& t) {
    const int S = t.SECTORS;
    const int rows = season.rows();
    for (SectorRow* row : {&t.QPS, &t.FPS, &t.RPS, &t.OPS, &t.SPS}) row->fill(0);
    const int start = count_line_of(st.BCHAP, st.BVER, rows);
    const int end = count_line_of(st.ECHAP, st.EVER, rows);
    TextReader counts = files.read(count_file);
    skip_to_line(counts, start);
    t.EV[S] = st.EVER;
    for (int s = 1; s <= S; ++s) {
        // The lines of the sector's verses, within its chapters and the material. A
        // sector whose end comes before its begin holds no verse. Left-out chapters
        // between sectors are passed over.
        const int first = std::max(count_line_of(t.BC[s], std::clamp(t.BV[s], 1, rows), rows), start);
        const int last = std::min(count_line_of(t.EC[s], std::clamp(t.EV[s], 0, rows), rows), end);
        if (first > last) continue;
        skip_to_line(counts, first);
        while (counts.line_no() <= last) READ11(counts, t, s);
    }
    copy_totals(t);
}

int CHAPSEC(Console& con, const Files& files, const std::string& count_file, const Style& style,
            const Season& season, BankTables& bank, SectorTables& t) {
    bool entered = false;
    int QMAX = style.QMAX;
    for (;;) {
        con.clr();
        if (!entered) t.CS.fill(0);
        t.SECTORS = QMAX;
        const int X = chapters_of(style);
        // A sector per chapter at least, and a quiz holds at most 30 questions.
        if (X > MAX_SECTORS) {
            con.write("  Sectoring by chapter takes at most 30 chapters; this material has ");
            con.write_num(X);
            con.write(".");
            con.writeln();
            con.writeln();
            con.write("  Sector it by verse or by question instead.");
            con.writeln();
            con.wait_enter();
            throw RunAbandoned{"more chapters than a quiz has questions"};
        }
        if (X > t.SECTORS) {
            // One sector per chapter at least: the rest of the run follows the raised count.
            con.write("  We must reset the questions per packet to sector ");
            con.write_num(X);
            con.write(" chapters.");
            con.wait_enter();
            QMAX = t.SECTORS = X;
            con.clr();
        }
        con.write("  Choose questions per chapter.");
        if (style.LG != 'L') con.write(" Use zeros to group chapters.");
        con.writeln();
        if (!entered) {
            propose(style, season, t);
            entered = true;
        }
        show_list(con, style, season, t);
        con.keys(LIST_KEYS);
        edit_counts(con, style, season, t);

        cut_chapters(style, season, t);
        count_chapter_sectors(files, count_file, style, season, t);

        con.clr();
        con.writeln();
        DISPLAY(con, style, season, bank, t);
        t.MINQZ = 100;
        for (int s = 1; s <= t.SECTORS; ++s) t.MINQZ = std::min(t.MINQZ, t.QPS[s]);
        tell_short_chapter(con, season, t);
        con.go(3, 3);
        con.write("Your smallest sector has ");
        con.write_num(t.MINQZ);
        con.write(t.MINQZ == 1 ? " question. " : " regular questions. ");
        con.keys(TABLE_KEYS);
        int k = con.read_key();
        if (k == 0) con.read_key();
        if (k == key::ESC) continue;
        // The table reaches the list through the run's own list writer (Step 15), so
        // the list of the run before stays whole until this run puts its own in place.
        return k;
    }
}

}  // namespace tv
