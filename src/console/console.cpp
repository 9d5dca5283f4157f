#include "console/console.h"

#include <algorithm>
#include <vector>

#include "base/utf8.h"

namespace tv {

int ScriptFace::wait_key(const Screen& screen) {
    if (keys_.empty()) {
        std::string shown;
        for (int r = 1; r <= Screen::ROWS; ++r) shown += screen.line(r) + "\n";
        throw ScriptExhausted("the key script ran out; the screen was:\n" + shown);
    }
    int k = keys_.front();
    keys_.pop_front();
    return k;
}

int Console::read_key() {
    if (ahead_.empty()) wait_for_key();
    int k = ahead_.front();
    ahead_.pop_front();
    return k;
}

Key Console::read() {
    int k = read_key();
    if (k != 0) return {k, false};
    return {read_key(), true};
}

void Console::wait_for_key() {
    if (!ahead_.empty()) return;
    int k = face_.wait_key(screen_);
    if (k >= key::EXT) {
        ahead_.push_back(0);
        ahead_.push_back(k - key::EXT);
    } else {
        ahead_.push_back(k);
    }
}

bool Console::key_pressed() { return !ahead_.empty() || face_.key_waiting(screen_); }

std::string Console::read_line(size_t max) {
    std::string line;
    for (;;) {
        int k = read_key();
        if (k == 0) {  // extended keys play no part in a typed line
            read_key();
            continue;
        }
        if (k == key::ENTER || k == '\n') break;
        if (k == key::BACKSPACE || k == 127) {
            if (!line.empty()) {
                line.pop_back();
                screen_.write("\b \b");
            }
            continue;
        }
        if (k < 32 || k > 255) continue;
        if (line.size() < max) {
            line += static_cast<char>(k);
            screen_.write(static_cast<char>(k));
        }
    }
    screen_.writeln();
    return line;
}

void Console::clr() {
    for (int r = 2; r <= 24; ++r) {
        go(1, r);
        clear_eol();
    }
    go(1, 3);
    if (screen_.has_key_line()) keys({});
}

void show_file_problem(Console& con, const std::string& message) {
    constexpr int COL = 3, WIDTH = 76, FIRST_ROW = 5, LAST_ROW = 21;
    con.normal();
    con.clr();
    int row = FIRST_ROW;
    for (std::string_view line : utf8::broken_lines(message, WIDTH)) {
        if (row > LAST_ROW) break;
        con.highlight();
        con.write_at(COL, row++, " " + std::string(line) + " ");
    }
    con.normal();
    con.write_at(COL, row + 1, "Press Return to go back to the style menu ");
    con.wait_enter();
}

int write_within(Console& con, int col, int row, std::string_view text) {
    for (std::string_view line :
         utf8::broken_lines(text, static_cast<size_t>(std::max(Screen::COLS - col + 1, 1))))
        con.write_at(col, row++, line);
    return row;
}

int advance_rset(Console& con, int& RSET) {
    ++RSET;
    if (RSET >= 24) {
        con.clr();
        RSET = 5;
    }
    return RSET;
}

}  // namespace tv
