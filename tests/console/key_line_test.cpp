// Row 25 shows the keys of the screen: text scrolls above it and keeps the title on
// row 1. The key line of every screen of a run is compared in the recorded runs.
#include <gtest/gtest.h>

#include "console/screen.h"

using namespace tv;

// Under the key line text scrolls rows 2-24 and keeps the title on row 1; keys wider
// than the row are cut at column 80; a cleared screen gives row 25 back to the text.
TEST(KeyLine, TextScrollsBetweenTheTitleAndTheKeys) {
    Screen s;
    s.write("title");
    const std::string wide(90, 'x');
    const KeyHint keys[] = {{"Esc", wide}};
    s.set_keys(keys);
    s.go(1, 24);
    s.writeln("last");  // the line end moves nothing yet
    EXPECT_EQ(std::tuple(s.line(23), s.line(24), s.row()), std::tuple("", "last", 25));
    s.write("next");
    EXPECT_EQ(std::tuple(s.line(1), s.line(23), s.line(24), s.row()), std::tuple("title", "last", "next", 24));
    s.go(75, 24);
    s.write("wrapped");
    EXPECT_EQ(std::tuple(s.text(23, 75), s.line(24), s.line(25)), std::tuple("wrappe", "d", " Esc " + wide.substr(0, 75)));
    s.clear();
    s.go(1, 25);
    s.write("free");
    EXPECT_EQ(std::tuple(s.line(25), s.has_key_line()), std::tuple("free", false));
}
