#include <gtest/gtest.h>

#include <regex>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;

// The style of the example workspace with another layout (line 6) and way of
// sectoring (line 13).
static std::string with_layout(std::string style, char out, char sec) {
    size_t at = 0;
    for (int line = 1; line <= 12; ++line, at = style.find('\n', at) + 1)
        if (line == 6) style[at] = out;
    style[at] = sec;
    return style;
}

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

            const std::string packet = dir.read("HebPeter.qui");
            EXPECT_NE(packet.find("H 1:1 to Q 3:18"), std::string::npos) << trace;
            int refs = 0;
            for (std::sregex_iterator m(packet.begin(), packet.end(), reference), end; m != end; ++m, ++refs) {
                const Book* book = season.book_for_key((*m)[1].str()[0]);
                ASSERT_TRUE(book && std::stoi((*m)[2]) <= book->chapters()) << m->str();
                EXPECT_LE(std::stoi((*m)[3]), season.verses(book->offset + std::stoi((*m)[2]))) << m->str();
            }
            EXPECT_EQ(refs, 10 * run.sectors.SECTORS) << trace;
            int names = 0;
            for (std::sregex_iterator m(packet.begin(), packet.end(), named), end; m != end; ++m, ++names)
                EXPECT_TRUE(std::regex_match((*m)[2].str(), std::regex("Hebrews|[12] Peter"))) << m->str();
            EXPECT_GE(names, 10) << trace;  // a CV Ref in every quiz at least

            const std::string list = dir.read("HebPeter.inf");
            EXPECT_EQ(list.substr(list.find("\n   1 ") + 1, 12), "   1 H  1: 1") << trace;
            EXPECT_EQ(list.find("Romans"), std::string::npos);
        }
    }
}
