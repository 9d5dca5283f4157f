#include <gtest/gtest.h>

#include "console/console.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;

TEST(Keyboard, ExtendedKeysArriveAsZeroThenTheirScanCode) {
    const std::pair<int, int> scans[] = {{key::UP, 72},   {key::DOWN, 80}, {key::LEFT, 75},
                                         {key::RIGHT, 77}, {key::HOME, 71}, {key::END, 79},
                                         {key::PGUP, 73}, {key::PGDN, 81}, {key::INS, 82},
                                         {key::DEL, 83},  {key::F1, 59},   {key::F10, 68}};
    for (auto [k, scan] : scans) {
        ScriptFace face({ext(k)});
        Console con(face);
        EXPECT_EQ(con.read_key(), 0);
        EXPECT_TRUE(con.key_pressed());
        EXPECT_EQ(con.read_key(), scan);
        EXPECT_FALSE(con.key_pressed());
    }
}

TEST(Keyboard, PlainKeysKeepTheirCodes) {
    ScriptFace face({key::ENTER, key::ESC, key::BACKSPACE, 'D'});
    Console con(face);
    EXPECT_EQ(con.read_key(), 13);
    EXPECT_EQ(con.read_key(), 27);
    EXPECT_EQ(con.read_key(), 8);
    EXPECT_EQ(con.read_key(), 'D');
}

TEST(Keyboard, WaitingForAKeyLeavesItForTheNextRead) {
    ScriptFace face({ext(key::DOWN)});
    Console con(face);
    con.wait_for_key();
    EXPECT_EQ(face.left(), 0u);
    EXPECT_TRUE(con.key_pressed());
    EXPECT_EQ(con.read_key(), 0);
    EXPECT_EQ(con.read_key(), key::DOWN);
}

TEST(Keyboard, TypedLineEchoesAndBackspaceEdits) {
    ScriptFace face;
    face.type("12x");
    face.add({key::BACKSPACE, '3', ext(key::LEFT), key::ENTER});
    Console con(face);
    con.go(3, 5);
    EXPECT_EQ(con.read_line(), "123");
    EXPECT_EQ(con.screen().line(5), "  123");
    EXPECT_EQ(con.screen().row(), 6);
    EXPECT_EQ(con.screen().col(), 1);
}

TEST(Keyboard, TypedLineKeepsAtMostMaxCharacters) {
    ScriptFace face;
    face.type("abcdef\r");
    Console con(face);
    EXPECT_EQ(con.read_line(3), "abc");
}

TEST(Keyboard, AnExhaustedScriptFailsInsteadOfHanging) {
    ScriptFace face({'a'});
    Console con(face);
    con.write("prompt");
    con.read_key();
    try {
        con.read_key();
        FAIL() << "expected the script to run dry";
    } catch (const ScriptExhausted& e) {
        EXPECT_NE(std::string(e.what()).find("prompt"), std::string::npos);
    }
}

TEST(Console, ClrClearsRows2To24AndPutsTheCursorAtRow3) {
    ScriptFace face;
    Console con(face);
    con.go(1, 1);
    con.write("banner");
    con.go(1, 25);
    con.write("footer");
    con.go(1, 10);
    con.write("work");
    con.normal();
    con.clr();
    EXPECT_EQ(con.screen().line(1), "banner");
    EXPECT_EQ(con.screen().line(25), "footer");
    EXPECT_EQ(con.screen().line(10), "");
    EXPECT_EQ(con.screen().at(1, 10).bg, BLUE);
    EXPECT_EQ(con.screen().row(), 3);
    EXPECT_EQ(con.screen().col(), 1);
}
