#include <gtest/gtest.h>

#include <vector>

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

    // Clearing the screen gives row 25 back to the text.
    s.clear();
    s.go(1, 25);
    s.write("free");
    EXPECT_EQ(std::tuple(s.line(25), s.has_key_line()), std::tuple("free", false));
}

TEST(KeyLine, KeysInRedActionsInBlackOnWhiteAndTheNoteOnlyWhereItFits) {
    const std::string note = "Quiz packets for Romans and James", wide(90, 'x');
    struct Case {
        const char* what;
        std::vector<KeyHint> keys;
        std::string line;
    } cases[] = {
        {"three blanks before the note: it fits",
         {{"Up/Down", "Move"}, {"Return", "Choose"}, {"Shift-D", "Delete"}},
         " Up/Down Move  Return Choose  Shift-D Delete   " + note},
        {"one column more: the note gives way",
         {{"Up/Down", "Move"}, {"Return", "Choose"}, {"Shift-D", "Delete!"}},
         " Up/Down Move  Return Choose  Shift-D Delete!"},
        {"no keys: the note alone, at the right end", {}, std::string(47, ' ') + note},
        {"plain text without a key", {{"", "Quiz 3 of 10"}, {"Y", "Accept"}},
         " Quiz 3 of 10  Y Accept" + std::string(24, ' ') + note},
        {"keys wider than the row are cut at column 80",
         {{"Esc", wide}},
         " Esc " + std::string(75, 'x')},
    };
    for (const Case& c : cases) {
        Screen s;
        s.set_key_note("  " + note + " ");
        s.set_keys(c.keys);
        EXPECT_EQ(s.line(25), c.line) << c.what;
        for (int col = 1; col <= Screen::COLS; ++col) EXPECT_EQ(s.at(col, 25).bg, tv::WHITE) << c.what;
    }
    Screen s;
    const KeyHint keys[] = {{"Esc", "Stop"}};
    s.set_keys(keys);
    EXPECT_EQ(std::tuple(s.at(2, 25).fg, s.at(4, 25).fg, s.at(6, 25).fg),
              std::tuple(tv::RED, tv::RED, tv::BLACK));
}
