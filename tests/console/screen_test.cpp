#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "console/screen.h"
#include "support/support.h"

using tv::Screen;

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
    // A file problem clears them so, whatever was drawn before; a key script that runs
    // out there shows the whole screen, its bottom row too.
    con.write_at(1, 25, "bottom row");
    con.highlight();
    const std::string told = tv::test::error_of<tv::ScriptExhausted>([&] { tv::show_file_problem(con, "cannot read"); });
    EXPECT_NE(told.find("bottom row\n"), std::string::npos) << told;
    EXPECT_EQ(con.screen().at(80, 10).bg, tv::BLUE);
}

// A typed line: Backspace (either code) takes back a character, on the screen too;
// extended keys and control characters play no part; every other byte is text, up
// to the longest line.
TEST(Console, ReadLineKeepsTypedCharactersOnly) {
    using namespace tv::key;
    const std::pair<std::vector<int>, std::string> rows[] = {{{'a', 'b', BACKSPACE, 'c', ENTER}, "ac"},
        {{BACKSPACE, 'a', 'b', 127, 127, 'd', '\n'}, "d"}, {{'x', EXT + LEFT, 1, ESC, 0xFF, ENTER}, "x\xff"},
        {{'1', '2', '3', '4', '5', '6', '7', ENTER}, "123456"}};
    for (const auto& [keys, line] : rows) {
        tv::ScriptFace face(keys);
        tv::Console con(face);
        EXPECT_EQ(con.read_line(6), line);
        if (line.back() != '\xff') {
            EXPECT_EQ(con.screen().line(1), line);
        }
    }
}
