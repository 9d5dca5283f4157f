#include <gtest/gtest.h>

#include "console/screen.h"

using tv::KeyHint;
using tv::Screen;

TEST(KeyLine, TextStopsAtRow24AndScrollsRowsTwoToTwentyFourBelowTheTitle) {
    Screen s;
    s.write("title");
    const KeyHint keys[] = {{"Return", "Go on"}};
    s.set_keys(keys);
    s.go(1, 24);
    s.writeln("last");
    // The line end leaves the cursor below the text without moving anything yet.
    EXPECT_EQ(std::tuple(s.line(23), s.line(24), s.row(), s.col()), std::tuple("", "last", 25, 1));
    s.clear_eol();
    s.go(5, 25);  // not a text position any more
    s.write("next");
    EXPECT_EQ(std::tuple(s.line(1), s.line(23), s.line(24), s.row(), s.col()),
              std::tuple("title", "last", "next", 24, 5));
    s.writeln();
    s.writeln();  // an empty line scrolled in
    EXPECT_EQ(std::tuple(s.line(22), s.line(23), s.line(24)), std::tuple("last", "next", ""));
    s.go(75, 24);
    s.write("wrapped");  // wrapping past column 80 of row 24 scrolls as well
    EXPECT_EQ(std::tuple(s.text(23, 75), s.line(24), s.row()), std::tuple("wrappe", "d", 24));
    EXPECT_EQ(s.line(25), " Return Go on");
    EXPECT_EQ(std::tuple(s.at(2, 25).fg, s.at(9, 25).fg, s.at(80, 25).bg),
              std::tuple(tv::RED, tv::BLACK, tv::WHITE));

    // Keys wider than the row are cut at column 80.
    const std::string wide(90, 'x');
    const KeyHint long_keys[] = {{"Esc", wide}};
    s.set_keys(long_keys);
    EXPECT_EQ(s.line(25), " Esc " + wide.substr(0, 75));

    // Clearing the screen gives row 25 back to the text.
    s.clear();
    s.go(1, 25);
    s.write("free");
    EXPECT_EQ(std::tuple(s.line(25), s.has_key_line()), std::tuple("free", false));
}
