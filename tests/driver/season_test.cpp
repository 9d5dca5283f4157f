#include <gtest/gtest.h>

#include <regex>

#include "driver/cycle.h"
#include "support/support.h"

using namespace tv;

// The three-book workspace of examples/hebrews-peter (one layout is a session), run in
// each layout (line 6 of the style) and way of sectoring (line 13): every reference of
// the packet names a book of the season with a chapter and verse inside it.
TEST(SecondMaterial, EveryReferenceIsARealVerseInEveryLayoutAndSectoring) {
    // "H  3:14" in the page layout, "H  3 14" (the line's own columns 1-5) in the others.
    const std::regex reference("([A-Z]) ([ 1-9][0-9])[ :]([ 1-9][0-9])");
    for (char out : {'P', 'C', 'T'}) {
        for (char sec : {'V', 'Q', 'C'}) {
            test::TempDir dir;
            test::copy_from_source("examples/hebrews-peter", dir.path());
            std::string style = dir.read("Hebrews.spe");
            size_t at = 0;
            for (int line = 1; line <= 12; ++line, at = style.find('\n', at) + 1)
                if (line == 6) style[at] = out;
            style[at] = sec;
            dir.write("Hebrews.spe", style);
            const Season season = load_season(dir.files());
            ScriptFace face(test::keys("\r\x1b\r" + std::string(40, '\r')));
            Console con(face);
            Random rng;
            FixedClock clock{99};
            MemoryPrinter printer;
            tv::Run run;
            start_program(run, rng, clock, season);
            ASSERT_TRUE(run_cycle(run, con, dir.files(), rng, clock, printer)) << out << sec;
            const std::string packet = dir.read("HebPeter.qui");
            int refs = 0;
            for (std::sregex_iterator m(packet.begin(), packet.end(), reference), end; m != end; ++m, ++refs) {
                const Book* book = season.book_for_key((*m)[1].str()[0]);
                ASSERT_TRUE(book && std::stoi((*m)[2]) <= book->chapters()) << m->str();
                EXPECT_LE(std::stoi((*m)[3]), season.verses(book->offset + std::stoi((*m)[2]))) << m->str();
            }
            EXPECT_EQ(refs, 10 * run.sectors.SECTORS) << out << sec;
        }
    }
}
