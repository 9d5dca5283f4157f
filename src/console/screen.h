// The 80x25 text screen: cells of character and colours, a cursor and the
// current colours, with the wrap, scroll and clear rules of a PC text console.
// Text is UTF-8; a cell holds one character (code point), so every character
// takes one column.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tv {

enum Colour : uint8_t {
    BLACK = 0, BLUE = 1, GREEN = 2, CYAN = 3, RED = 4, MAGENTA = 5, BROWN = 6, LIGHTGRAY = 7,
    DARKGRAY = 8, LIGHTBLUE = 9, LIGHTGREEN = 10, LIGHTCYAN = 11, LIGHTRED = 12,
    LIGHTMAGENTA = 13, YELLOW = 14, WHITE = 15
};

struct Cell {
    char32_t ch = ' ';  // a code point, or a stray byte as utf8.h holds it
    uint8_t fg = LIGHTGRAY;
    uint8_t bg = BLACK;
    bool operator==(const Cell&) const = default;
};

class Screen {
public:
    static constexpr int COLS = 80;
    static constexpr int ROWS = 25;

    // Clears the whole screen in the current background; cursor to (1,1).
    void clear();
    // Clears from the cursor to the end of its row in the current background.
    void clear_eol();
    // Moves the cursor; columns 1-80, rows 1-25. Positions outside are ignored.
    void go(int col, int row);
    void text_color(int c) { fg_ = static_cast<uint8_t>(c & 15); }
    void text_background(int c) { bg_ = static_cast<uint8_t>(c & 15); }
    // Writes UTF-8 text at the cursor, one character per cell; past column 80 it
    // wraps, past row 25 it scrolls.
    void write(std::string_view s);
    // One byte: a byte above 127 alone is a stray byte.
    void write(char c);
    // Writes n right-aligned in `width` columns (as many as it needs when wider).
    void write_num(long n, int width = 0);
    // Ends the line: cursor to column 1 of the next row (scrolling at the bottom).
    void writeln(std::string_view s = "");

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

    std::array<Cell, COLS * ROWS> cells_{};
    int col_ = 1, row_ = 1;
    uint8_t fg_ = LIGHTGRAY, bg_ = BLACK;
    uint64_t version_ = 0;
};

}  // namespace tv
