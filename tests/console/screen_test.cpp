#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "console/screen.h"

using tv::Screen;

TEST(Screen, WritesInTheCurrentColoursAndWrapsAtColumn80) {
    Screen s;
    s.text_color(tv::YELLOW);
    s.text_background(tv::BLUE);
    s.go(78, 3);
    s.write("abcd");
    EXPECT_EQ(s.text(3, 78, 3), "abc");
    EXPECT_EQ(std::tuple(s.at(1, 4).ch, s.at(1, 4).fg, s.at(1, 4).bg, s.col(), s.row()),
              std::tuple(U'd', tv::YELLOW, tv::BLUE, 2, 4));
    // Untouched cells keep their old colours.
    EXPECT_EQ(s.at(5, 4).bg, tv::BLACK);
}

TEST(Screen, ScrollsAtTheBottomFillingTheNewRowWithTheBackground) {
    Screen s;
    s.go(1, 1);
    s.write("top");
    s.go(1, 25);
    s.text_background(tv::RED);
    s.writeln("bottom");
    EXPECT_EQ(std::tuple(s.line(24), s.line(1), s.at(40, 25).bg, s.row(), s.col()),
              std::tuple("bottom", "", tv::RED, 25, 1));
    // Writing into the last cell scrolls too.
    s.go(80, 25);
    s.write("x");
    EXPECT_EQ(std::pair(s.at(80, 24).ch, s.row()), std::pair(U'x', 25));
}

TEST(Screen, ClearToEndOfRowUsesTheCurrentBackgroundAndKeepsTheCursor) {
    Screen s;
    s.go(1, 2);
    s.write(std::string(80, '#'));
    s.go(10, 2);
    s.text_background(tv::GREEN);
    s.clear_eol();
    EXPECT_EQ(s.line(2), std::string(9, '#'));
    EXPECT_EQ(std::tuple(s.at(80, 2).bg, s.at(9, 2).bg, s.col()), std::tuple(tv::GREEN, tv::BLACK, 10));
}

// The work area is rows 2-24: the banner's rows 1 and 25 stay, the cursor goes to row 3.
TEST(Console, ClrClearsRowsTwoToTwentyFourInBlue) {
    tv::ScriptFace face;
    tv::Console con(face);
    for (int row = 1; row <= 25; ++row) con.write_at(1, row, "text");
    con.normal();
    con.clr();
    for (int row = 1; row <= 25; ++row) {
        const bool work = row >= 2 && row <= 24;
        EXPECT_EQ(con.screen().line(row), work ? "" : "text") << row;
        EXPECT_EQ(con.screen().at(80, row).bg, work ? tv::BLUE : tv::BLACK) << row;
    }
    EXPECT_EQ(std::pair(con.screen().col(), con.screen().row()), std::pair(1, 3));
}

// A typed line: Backspace (either code) takes back a character, on the screen too;
// extended keys and control characters play no part; every other byte is text, up
// to the longest line.
TEST(Console, ReadLineKeepsTypedCharactersOnly) {
    using namespace tv::key;
    const std::pair<std::vector<int>, std::string> rows[] = {
        {{'a', 'b', BACKSPACE, 'c', ENTER}, "ac"},
        {{BACKSPACE, 'a', 'b', 127, 127, 'd', '\n'}, "d"},
        {{'x', EXT + LEFT, 1, ESC, 0xFF, ENTER}, "x\xff"},
        {{'1', '2', '3', '4', '5', '6', '7', ENTER}, "123456"},
    };
    for (const auto& [keys, line] : rows) {
        tv::ScriptFace face(keys);
        tv::Console con(face);
        EXPECT_EQ(con.read_line(6), line);
        if (line.back() != '\xff') {
            EXPECT_EQ(con.screen().line(1), line);
        }
    }
}
