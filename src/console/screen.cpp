#include "console/screen.h"

#include <algorithm>

#include "base/utf8.h"

namespace tv {

void Screen::clear() {
    cells_.fill(Cell{' ', fg_, bg_});
    col_ = row_ = 1;
    key_line_ = false;
    key_note_.clear();
    ++version_;
}

void Screen::clear_eol() {
    if (below_text()) return;
    for (int c = col_; c <= COLS; ++c) cells_[idx(c, row_)] = Cell{' ', fg_, bg_};
    ++version_;
}

void Screen::go(int col, int row) {
    if (col < 1 || col > COLS || row < 1 || row > bottom()) return;
    col_ = col;
    row_ = row;
}

void Screen::scroll_up() {
    // Under a key line only rows 2-24 move.
    const int top = key_line_ ? 2 : 1;
    const auto first = cells_.begin() + idx(1, top), end = cells_.begin() + idx(1, bottom() + 1);
    std::copy(first + COLS, end, first);
    std::fill(end - COLS, end, Cell{' ', fg_, bg_});
}

void Screen::line_feed() {
    col_ = 1;
    if (row_ < bottom())
        ++row_;
    else if (row_ == bottom() && key_line_)
        row_ = ROWS;  // below the text: nothing moves until something is written there
    else
        scroll_up();
}

void Screen::put(char32_t c) {
    switch (c) {
    case '\n': line_feed(); return;
    case '\r': col_ = 1; return;
    case '\b':
        if (col_ > 1) --col_;
        return;
    case '\a': return;
    default: break;
    }
    if (below_text()) {
        scroll_up();
        row_ = bottom();
    }
    cells_[idx(col_, row_)] = Cell{c, fg_, bg_};
    if (col_ == COLS)
        line_feed();
    else
        ++col_;
}

void Screen::write(std::string_view s) {
    for (size_t i = 0; i < s.size();) put(utf8::next(s, i));
    ++version_;
}

void Screen::write(char c) {
    const std::string_view one(&c, 1);
    size_t i = 0;
    put(utf8::next(one, i));
    ++version_;
}

void Screen::write_num(long n, int width) {
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
    write(s);
}

void Screen::writeln(std::string_view s) {
    write(s);
    line_feed();
    ++version_;
}

void Screen::set_keys(std::span<const KeyHint> keys) {
    key_line_ = true;
    Cell* row = &cells_[idx(1, ROWS)];
    const RoleColours bar = colours_of(Role::Bar);
    std::fill(row, row + COLS, Cell{' ', bar.fg, bar.bg});
    int col = 2;  // where the next character goes; one blank before the first key
    auto put_text = [&](std::string_view s, Role role) {
        for (size_t i = 0; i < s.size();) {
            const char32_t c = utf8::next(s, i);
            if (col <= COLS) row[col++ - 1] = Cell{c, colours_of(role).fg, colours_of(role).bg};
        }
    };
    for (const KeyHint& k : keys) {
        if (col > 2) col += 2;
        put_text(k.key, Role::BarKey);
        if (!k.key.empty() && !k.action.empty()) ++col;
        put_text(k.action, Role::Bar);
    }
    // The note ends at column 80, three blanks at least after the last key.
    const int note_col = COLS + 1 - static_cast<int>(utf8::length(key_note_));
    if (!key_note_.empty() && note_col >= (col > 2 ? col + 3 : 2)) {
        col = note_col;
        put_text(key_note_, Role::Bar);
    }
    ++version_;
}

void Screen::set_key_note(std::string_view note) {
    const size_t first = note.find_first_not_of(' ');
    if (first == std::string_view::npos)
        key_note_.clear();
    else
        key_note_ = note.substr(first, note.find_last_not_of(' ') + 1 - first);
}

std::string Screen::text(int row, int col, int len) const {
    std::string s;
    if (row < 1 || row > ROWS) return s;
    for (int c = std::max(col, 1); c < col + len && c <= COLS; ++c) utf8::append(s, at(c, row).ch);
    return s;
}

std::string Screen::line(int row) const {
    std::string s = text(row);
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

}  // namespace tv
