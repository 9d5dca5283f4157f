// UTF-8 text: characters counted and cut whole, stray bytes kept as they were, one
// character per screen cell, and the columns of plain text in every file written.
#include <random>

#include "assembly/assembly.h"
#include "console/utf8.h"
#include "packet_fixture.h"

using namespace tv;

namespace {

// Text as a word processor makes it: curly quotation marks and apostrophes, and an
// accented letter for every "e" (two or three bytes in UTF-8); and back again.
std::string curly(const std::string& plain) {
    std::string out;
    bool open = true;
    for (char c : plain) out += c == 'e' ? "\u00e9" : c == '\'' ? "\u2019" : c != '"' ? std::string(1, c) : (open = !open) ? "\u201d" : "\u201c";
    return out;
}

std::string plain(std::string text) {
    for (const auto& [from, to] : {std::pair{"\u00e9", "e"}, {"\u2019", "'"}, {"\u201c", "\""}, {"\u201d", "\""}})
        for (size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, std::string(from).size(), to);
    return text;
}

}  // namespace

TEST(Utf8, EveryByteComesBackAndCharactersAreCounted) {
    const std::pair<std::string, size_t> cases[] = {
        {"\u201cHi\u201d caf\u00e9", 9},
        {"\xF0\x9F\x98\x80!", 2},  // four bytes, one character
        {"a\xFF" "b", 3},          // a stray byte is one character
        {"\xC3", 1},               // a sequence cut short at the end
        {"\xC0\xAF", 2},           // overlong form of "/"
        {"\xF4\x90\x80\x80", 4},   // above U+10FFFF
    };
    for (const auto& [text, chars] : cases) {
        EXPECT_EQ(utf8::length(text), chars) << text;
        EXPECT_EQ(utf8::decode(text).size(), chars) << text;
        EXPECT_EQ(utf8::encode(utf8::decode(text)), text) << text;
    }
    const std::string s = "a\u201cb\u201d\xFF" "c";
    EXPECT_EQ(utf8::prefix(s, 2), "a\u201c");
    EXPECT_EQ(utf8::slice(s, 3, 2), "\u201d\xFF");
    EXPECT_EQ(utf8::slice(s, 9, 2), "");

    Screen screen;
    screen.go(75, 1);
    screen.write("\u201cHi\u201d \u00e9t\u00e9");  // wraps after column 80
    screen.write('\xFF');  // a lone byte above 127 takes one cell of its own
    EXPECT_EQ(screen.text(1, 75, 6), "\u201cHi\u201d \u00e9");
    EXPECT_EQ(std::tuple(screen.text(2, 1, 3), screen.col()), std::tuple("t\u00e9\xFF", 4));

    // A message broken to the screen's width is broken between characters.
    ScriptFace face;
    Console con(face);
    std::string message = "a";  // an odd byte count before the two-byte letters
    for (int i = 0; i < 40; ++i) message += "\u00e9\u00e9";
    EXPECT_EQ(write_within(con, 3, 5, message), 7);
    for (char32_t c : utf8::decode(con.screen().line(5) + con.screen().line(6))) EXPECT_FALSE(utf8::is_stray_byte(c));
}

// The shortcuts taken for ASCII give what walking the text character by character
// gives, on text mixing ASCII runs with curly quotes, accented letters, a four-byte
// character, stray bytes and a sequence cut short.
TEST(Utf8, ShortcutsAgreeWithTheWalk) {
    const std::string pieces[] = {"abcdefghij", "a", "\u00e9", "\u201c", "\xFF", "\xF0\x9F\x98\x80", "\xC3"};
    std::mt19937 gen(7);
    for (int round = 0; round < 200; ++round) {
        std::string s;
        for (int k = static_cast<int>(gen() % 12); k > 0; --k) s += pieces[gen() % 7];
        std::vector<size_t> at{0};  // where each character starts, and the end
        std::u32string chars;
        for (size_t i = 0; i < s.size(); at.push_back(i)) chars += utf8::next(s, i);
        const size_t N = chars.size();
        EXPECT_EQ(utf8::length(s), N) << s;
        EXPECT_EQ(utf8::decode(s), chars) << s;
        std::string back = "x";
        utf8::append(back, chars);
        EXPECT_EQ(back, "x" + s);
        for (size_t from = 0; from <= N + 1; ++from)
            for (size_t n : {size_t{0}, size_t{1}, size_t{7}, size_t{9}, N, std::string_view::npos}) {
                const size_t f = std::min(from, N), b = at[f], e = at[n > N - f ? N : f + n];
                EXPECT_EQ(utf8::slice(s, from, n), s.substr(b, e - b)) << s << " " << from << " " << n;
            }
    }
}

// The golden quiz written with curly text gives, turned back, the packet of the
// plain quiz in every layout; so does each line of the list file.
TEST(Utf8, CurlyTextTakesTheColumnsOfPlainText) {
    const QuizTables straight = test::golden_quiz();
    QuizTables fancy = straight;
    for (int X = 1; X <= 8; ++X) {
        const std::string line = curly(straight.ALL[X] + (straight.ALL2[X] == " " ? "" : straight.ALL2[X]));
        // Split as assembly splits a long line: 254 characters, then the rest.
        fancy.ALL[X] = std::string(utf8::prefix(line, 254));
        const std::string_view rest = utf8::slice(line, 254, 254);
        fancy.ALL2[X] = rest.empty() ? " " : std::string(rest);
    }
    Season fancy_books = default_season();  // "Jamés"
    for (Book& b : fancy_books.books) b.name = curly(b.name);
    for (const char OUT : {'P', 'C', 'T'}) {
        const Style s = test::golden_style(OUT);
        const std::string want = test::write_quiz(s, straight, 8, "Exemple");
        const std::string got = test::write_quiz(s, fancy, 8, curly("Exemple"), nullptr, fancy_books);
        EXPECT_NE(got, want) << OUT;  // the curly text is there
        EXPECT_EQ(plain(got), want) << "layout " << OUT;
    }

    AssemblyTables at;
    QuizTables list;
    list.TYP = "RnnF";
    list.SECTOR = {0, 1, 2, 3, 4};
    list.RLBK = {' ', 'R', 'R', 'J', 'J'};
    const std::string long_text = "Whose \"faith\" is spoken of in the whole world, Paul's letter says?";
    list.ALL[1] = " 1: 8\tCV\t" + long_text + "\tthe Romans'";
    list.ALL[2] = " 1: 8\t" + long_text + "\tthe Romans'";
    list.ALL[3] = " 1: 2\tWho's \"wise\"?\tanswer";
    list.ALL[4] = " 1: 2\tFTVe\t" + long_text;
    QuizTables fancy_list = list;
    for (int p = 1; p <= 4; ++p) fancy_list.ALL[p] = curly(list.ALL[p]);
    for (int p = 1; p <= 4; ++p) {
        const std::string line = list_line(at, fancy_list, p);
        EXPECT_NE(line, list_line(at, list, p)) << "position " << p;
        EXPECT_EQ(plain(line), list_line(at, list, p)) << "position " << p;
    }
}
