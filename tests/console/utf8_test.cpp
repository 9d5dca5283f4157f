// UTF-8 text: characters counted and cut whole, stray bytes kept as they were, and
// one character per screen cell.
#include <gtest/gtest.h>

#include "console/screen.h"
#include "console/utf8.h"

using namespace tv;

TEST(Utf8, EveryByteComesBackAndCharactersAreCounted) {
    const struct {
        std::string text;
        size_t chars;
    } cases[] = {
        {"plain", 5},
        {"\u201cHi\u201d caf\u00e9", 9},
        {"\xF0\x9F\x98\x80!", 2},          // four bytes, one character
        {"a\xFF" "b", 3},                  // a stray byte is one character
        {"\xC3", 1},                       // a sequence cut short at the end
        {"\xE2\x80" "x", 3},               // ... or in the middle
        {"\xC0\xAF", 2},                   // overlong form of "/"
        {"\xED\xA0\x80", 3},               // a surrogate
        {"\xF4\x90\x80\x80", 4},           // above U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8::length(c.text), c.chars) << c.text;
        EXPECT_EQ(utf8::decode(c.text).size(), c.chars) << c.text;
        EXPECT_EQ(utf8::encode(utf8::decode(c.text)), c.text) << c.text;
    }
    const std::string s = "a\u201cb\u201d\xFF" "c";
    EXPECT_EQ(utf8::prefix(s, 2), "a\u201c");
    EXPECT_EQ(utf8::slice(s, 3, 2), "\u201d\xFF");
    EXPECT_EQ(utf8::slice(s, 9, 2), "");
    EXPECT_EQ(utf8::prefix(s, 99), s);
}

TEST(Utf8, ScreenCellsHoldOneCharacterEach) {
    Screen screen;
    screen.go(75, 1);
    screen.write("\u201cHi\u201d \u00e9t\u00e9");  // wraps after column 80
    EXPECT_EQ(screen.text(1, 75, 6), "\u201cHi\u201d \u00e9");
    EXPECT_EQ(screen.at(75, 1).ch, U'\u201c');
    EXPECT_EQ(screen.line(2), "t\u00e9");
    EXPECT_EQ(screen.col(), 3);
    screen.write('\xFF');  // a lone byte above 127 takes one cell of its own
    EXPECT_EQ(screen.text(2, 1, 3), "t\u00e9\xFF");
}
