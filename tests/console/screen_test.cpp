#include <gtest/gtest.h>

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
    EXPECT_EQ(s.at(1, 4).ch, 'd');
    EXPECT_EQ(s.at(1, 4).fg, tv::YELLOW);
    EXPECT_EQ(s.at(1, 4).bg, tv::BLUE);
    EXPECT_EQ(s.col(), 2);
    EXPECT_EQ(s.row(), 4);
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
    EXPECT_EQ(s.line(24), "bottom");
    EXPECT_EQ(s.line(1), "");
    EXPECT_EQ(s.at(40, 25).bg, tv::RED);
    EXPECT_EQ(s.row(), 25);
    EXPECT_EQ(s.col(), 1);
    // Writing into the last cell scrolls too.
    s.go(80, 25);
    s.write("x");
    EXPECT_EQ(s.at(80, 24).ch, 'x');
    EXPECT_EQ(s.row(), 25);
}

TEST(Screen, ClearToEndOfRowUsesTheCurrentBackgroundAndKeepsTheCursor) {
    Screen s;
    s.go(1, 2);
    s.write(std::string(80, '#'));
    s.go(10, 2);
    s.text_background(tv::GREEN);
    s.clear_eol();
    EXPECT_EQ(s.line(2), std::string(9, '#'));
    EXPECT_EQ(s.at(80, 2).bg, tv::GREEN);
    EXPECT_EQ(s.at(9, 2).bg, tv::BLACK);
    EXPECT_EQ(s.col(), 10);
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
