// The 80x25 text screen: cells of character and colours, a cursor and the
// current colours, with the wrap, scroll and clear rules of a PC text console.
// Text is UTF-8; a cell holds one character (code point), so every character
// takes one column.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tv {

enum Colour : uint8_t {
    BLACK = 0,
    BLUE = 1,
    GREEN = 2,
    CYAN = 3,
    RED = 4,
    MAGENTA = 5,
    BROWN = 6,
    LIGHTGRAY = 7,
    DARKGRAY = 8,
    LIGHTBLUE = 9,
    LIGHTGREEN = 10,
    LIGHTCYAN = 11,
    LIGHTRED = 12,
    LIGHTMAGENTA = 13,
    YELLOW = 14,
    WHITE = 15
};

// What a stretch of text is on a screen. The colours of each role are chosen here
// alone: screens ask for a role, never for a colour.
enum class Role : uint8_t {
    Normal,     // the text of every screen
    Highlight,  // the chosen entry, a warning, a problem to mend
    Value,      // a value on the form, and the echo of one being typed
    Ready,      // the form's title while Return there accepts the form
    Mark,       // every fifth letter of a pattern on the pattern review
    Ruler,      // the ruler over the patterns
    Bar,        // the title bar and the key line
    BarKey,     // a key on the key line; the program's name and version on the title bar
    Closed,     // the screen left behind when the program ends
};

struct RoleColours {
    Colour fg, bg;
};

constexpr RoleColours colours_of(Role role) {
    switch (role) {
    case Role::Normal: return {YELLOW, BLUE};
    case Role::Highlight: return {WHITE, RED};
    case Role::Value: return {LIGHTRED, BLACK};
    case Role::Ready: return {WHITE, GREEN};
    case Role::Mark: return {WHITE, BLUE};
    case Role::Ruler: return {LIGHTRED, BLUE};
    case Role::Bar: return {BLACK, WHITE};
    case Role::BarKey: return {RED, WHITE};
    case Role::Closed: return {WHITE, BLACK};
    }
    return {LIGHTGRAY, BLACK};
}

struct Cell {
    char32_t ch = ' ';  // a code point, or a stray byte as utf8.h holds it
    uint8_t fg = LIGHTGRAY;
    uint8_t bg = BLACK;
    bool operator==(const Cell&) const = default;
};

// One entry of the key line: a key and what it does on the screen shown ("Return",
// "Choose"). An entry without a key is plain text, such as "Quiz 3 of 10".
struct KeyHint {
    std::string_view key, action;
};

class Screen {
public:
    static constexpr int COLS = 80;
    static constexpr int ROWS = 25;

    // Clears the whole screen in the current background; cursor to (1,1). The key
    // line goes too: row 25 is text again.
    void clear();
    // Clears from the cursor to the end of its row in the current background.
    void clear_eol();
    // Moves the cursor; columns 1-80, rows 1-25 (1-24 under a key line). Positions
    // outside are ignored.
    void go(int col, int row);
    void text_color(int c) { fg_ = static_cast<uint8_t>(c & 15); }
    void text_background(int c) { bg_ = static_cast<uint8_t>(c & 15); }
    // Both colours of a role.
    void use(Role role) {
        text_color(colours_of(role).fg);
        text_background(colours_of(role).bg);
    }
    // Writes UTF-8 text at the cursor, one character per cell; past column 80 it
    // wraps, past row 25 it scrolls.
    void write(std::string_view s);
    // One byte: a byte above 127 alone is a stray byte.
    void write(char c);
    // Writes n right-aligned in `width` columns (as many as it needs when wider).
    void write_num(long n, int width = 0);
    // Ends the line: cursor to column 1 of the next row (scrolling at the bottom).
    void writeln(std::string_view s = "");

    // Makes row 25 the key line and shows these keys on it: key names in the BarKey role,
    // what they do in the Bar role. From then on the text ends at row 24: a line end
    // on row 24 leaves the cursor below it, and the next character written scrolls
    // rows 2-24 up first, so that the title row and the key line stay.
    void set_keys(std::span<const KeyHint> keys);
    // Text kept at the right end of the key line wherever the keys leave room for it.
    void set_key_note(std::string_view note);
    bool has_key_line() const { return key_line_; }

    int col() const { return col_; }
    int row() const { return row_; }
    int fg() const { return fg_; }
    int bg() const { return bg_; }

    const Cell& at(int col, int row) const { return cells_[idx(col, row)]; }
    // The 80 characters of a row, or `len` characters from `col`, as UTF-8.
    std::string text(int row, int col = 1, int len = COLS) const;
    // The text of a row without trailing blanks.
    std::string line(int row) const;

    // A counter bumped on every change, so that a renderer knows when to redraw.
    uint64_t version() const { return version_; }

private:
    static int idx(int col, int row) { return (row - 1) * COLS + (col - 1); }
    void put(char32_t c);
    void line_feed();
    void scroll_up();
    // The last row that text may use.
    int bottom() const { return key_line_ ? ROWS - 1 : ROWS; }
    // The cursor waits below the text, on the key line's row.
    bool below_text() const { return key_line_ && row_ == ROWS; }

    std::array<Cell, COLS * ROWS> cells_{};
    int col_ = 1, row_ = 1;
    uint8_t fg_ = LIGHTGRAY, bg_ = BLACK;
    uint64_t version_ = 0;
    bool key_line_ = false;
    std::string key_note_;
};

}  // namespace tv
