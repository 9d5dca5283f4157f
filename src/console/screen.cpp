#include "console/screen.h"

#include <algorithm>

#include "console/utf8.h"

namespace tv {

void Screen::clear() {
    cells_.fill(Cell{' ', fg_, bg_});
    col_ = row_ = 1;
    ++version_;
}

void Screen::clear_eol() {
    for (int c = col_; c <= COLS; ++c) cells_[idx(c, row_)] = Cell{' ', fg_, bg_};
    ++version_;
}

void Screen::go(int col, int row) {
    if (col < 1 || col > COLS || row < 1 || row > ROWS) return;
    col_ = col;
    row_ = row;
}

void Screen::scroll_up() {
    std::copy(cells_.begin() + COLS, cells_.end(), cells_.begin());
    std::fill(cells_.end() - COLS, cells_.end(), Cell{' ', fg_, bg_});
}

void Screen::line_feed() {
    col_ = 1;
    if (row_ == ROWS)
        scroll_up();
    else
        ++row_;
}

void Screen::put(char32_t c) {
    switch (c) {
    case '\n': line_feed(); return;
    case '\r': col_ = 1; return;
    case '\b': if (col_ > 1) --col_; return;
    case '\a': return;
    default: break;
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
