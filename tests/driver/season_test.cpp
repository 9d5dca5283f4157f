#include <gtest/gtest.h>

#include <regex>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;

namespace {

// The style of the example workspace with another layout (line 6) and way of
// sectoring (line 13).
std::string with_layout(std::string style, char out, char sec) {
    size_t at = 0;
    for (int line = 1; line <= 12; ++line) {
        if (line == 6) style[at] = out;
        at = style.find('\n', at) + 1;
    }
    style[at] = sec;
    return style;
}

}  // namespace

// The three-book workspace of examples/hebrews-peter, run in each layout and by each
// way of sectoring: every reference of the packet names a book of the season with a
// chapter and verse inside it, and the sector table starts at Hebrews 1:1.
TEST(SecondMaterial, RunsInEveryLayoutAndByEveryWayOfSectoring) {
    // "H  3:14" in the page layout, "H  3 14" (the line's own columns 1-5) in the others.
    const std::regex reference("([A-Z]) ([ 1-9][0-9])[ :]([ 1-9][0-9])");
    const std::regex named("(According to|Accd\\. to|Quote) +(.*?) chapter ([0-9]+)");
    for (char out : {'P', 'C', 'T'}) {
        for (char sec : {'V', 'Q', 'C'}) {
            const std::string trace = std::string("layout ") + out + ", sectoring " + sec;
            test::TempDir dir;
            test::copy_from_source("examples/hebrews-peter", dir.path());
            dir.write("Hebrews.spe", with_layout(dir.read("Hebrews.spe"), out, sec));
            const Season season = load_season(dir.files());

            ScriptFace face(test::keys("\r\x1b\r" + std::string(40, '\r')));
            Console con(face);
            Random rng;
            FixedClock clock{99};
            MemoryPrinter printer;
            tv::Run run;
            start_program(run, rng, clock, season);
            ASSERT_TRUE(run_cycle(run, con, dir.files(), rng, clock, printer, "")) << trace;
            EXPECT_EQ(con.screen().text(1, 57, 22), " Hebrews and 1-2 Peter");
            EXPECT_EQ(con.screen().line(25).substr(0, 18), " Return Style menu");

            const std::string packet = dir.read("HebPeter.qui");
            EXPECT_NE(packet.find("H 1:1 to Q 3:18"), std::string::npos) << trace;
            int refs = 0;
            for (std::sregex_iterator m(packet.begin(), packet.end(), reference), end; m != end; ++m, ++refs) {
                const Book* book = season.book_for_key(std::tolower((*m)[1].str()[0]));
                ASSERT_NE(book, nullptr) << m->str();
                const int ch = std::stoi((*m)[2]), vs = std::stoi((*m)[3]);
                ASSERT_LE(ch, book->chapters()) << m->str();
                EXPECT_LE(vs, season.verses(book->offset + ch)) << m->str();
            }
            EXPECT_EQ(refs, 10 * run.sectors.SECTORS) << trace;
            int names = 0;
            for (std::sregex_iterator m(packet.begin(), packet.end(), named), end; m != end; ++m, ++names) {
                const std::string name = (*m)[2];
                EXPECT_TRUE(name == "Hebrews" || name == "1 Peter" || name == "2 Peter") << m->str();
            }
            EXPECT_GE(names, 10) << trace;  // a CV Ref in every quiz at least

            const std::string list = dir.read("HebPeter.inf");
            EXPECT_EQ(list.substr(list.find("\n   1 ") + 1, 12), "   1 H  1: 1") << trace;
            EXPECT_EQ(list.find("Romans"), std::string::npos);
        }
    }
}
