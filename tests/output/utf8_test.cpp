// UTF-8 text: characters counted and cut whole, stray bytes kept as they were, one
// character per screen cell, and the columns of plain text in every file written.
#include <random>

#include "assembly/assembly.h"
#include "base/utf8.h"
#include "packet_fixture.h"

using namespace tv;

namespace {

// Text as a word processor makes it: curly quotation marks and apostrophes, and an
// accented letter for every "e" (two or three bytes in UTF-8); and back again.
std::string curly(const std::string& plain) {
    std::string out;
    bool open = true;
    for (char c : plain)
        out += c == 'e' ? "\u00e9" : c == '\'' ? "\u2019" : c != '"' ? std::string(1, c) : (open = !open) ? "\u201d" : "\u201c";
    return out;
}

std::string plain(std::string text) {
    for (const auto& [from, to] : {std::pair{"\u00e9", "e"}, {"\u2019", "'"}, {"\u201c", "\""}, {"\u201d", "\""}})
        for (size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, std::string(from).size(), to);
    return text;
}

}  // namespace

TEST(Utf8, OneCharacterACellAndMessagesBrokenBetweenCharacters) {
    Screen screen;
    screen.go(75, 1);
    screen.write("\u201cHi\u201d \u00e9t\u00e9");  // wraps after column 80
    screen.write('\xFF');                          // a lone byte above 127 takes one cell of its own
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

// Characters are counted (a stray byte, each byte of a sequence cut short, of an
// overlong form and of one above U+10FFFF is one), every byte comes back, and the
// shortcuts taken for ASCII give what walking the text character by character gives.
TEST(Utf8, ShortcutsAgreeWithTheWalk) {
    const std::pair<std::string, size_t> counted[] = {{"\u201cHi\u201d caf\u00e9", 9}, {"\xF0\x9F\x98\x80!", 2},
        {"a\xFF"
         "b",
            3},
        {"\xC3", 1}, {"\xC0\xAF", 2}, {"\xF4\x90\x80\x80", 4}, {"\xF0\x80\x80\x80", 4}, {"\xF1\x80\x80\x80", 1},
        {"\xE0\x80\x80", 3}, {"\xED\xA0\x80", 3}};
    for (const auto& [text, chars] : counted) EXPECT_EQ(utf8::decode(text).size(), chars) << text;
    const std::string pieces[] = {
        "abcdefghij", "a", "\u00e9", "\u201c", "\xFF", "\xF0\x9F\x98\x80", "\xC3", "\xC0\xAF", "\xF4\x90\x80\x80"};
    std::mt19937 gen(7);
    for (int round = 0; round < 200; ++round) {
        std::string s;
        for (int k = static_cast<int>(gen() % 12); k > 0; --k) s += pieces[gen() % 9];
        std::vector<size_t> at{0};  // where each character starts, and the end
        std::u32string chars;
        for (size_t i = 0; i < s.size(); at.push_back(i)) chars += utf8::next(s, i);
        const size_t N = chars.size();
        EXPECT_EQ(utf8::length(s), N) << s;
        EXPECT_EQ(utf8::decode(s), chars) << s;
        EXPECT_EQ(utf8::encode(chars), s);
        std::string back = "x";
        utf8::append(back, chars);
        EXPECT_EQ(back, "x" + s);
        for (size_t from = 0; from <= N + 1; ++from)
            for (size_t n : {size_t{0}, size_t{1}, size_t{7}, size_t{9}, N, std::string_view::npos}) {
                const size_t f = std::min(from, N), b = at[f], e = at[n > N - f ? N : f + n];
                EXPECT_EQ(utf8::slice(s, from, n), s.substr(b, e - b)) << s << " " << from << " " << n;
                if (from == 0) {
                    EXPECT_EQ(utf8::prefix(s, n), s.substr(0, e)) << s << " " << n;
                }
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
        const std::string got = test::write_quiz(s, fancy, 8, curly("Exemple"), fancy_books);
        EXPECT_NE(got, want) << OUT;  // the curly text is there
        EXPECT_EQ(plain(got), want) << "layout " << OUT;
    }

    AssemblyTables at;
    for (int p = 1; p <= 8; ++p) {
        if (straight.TYP[p - 1] == 'S') continue;  // no list line
        const std::string line = list_line(at, fancy, p);
        EXPECT_NE(line, list_line(at, straight, p)) << "position " << p;
        EXPECT_EQ(plain(line), list_line(at, straight, p)) << "position " << p;
    }
}
