// Chapter sectoring when a group runs out of verses before its sectors.
#include <gtest/gtest.h>

#include "material.h"
#include "sectors/chapsec.h"

using namespace tv;
using namespace tv::test;

// Romans 1:30-2:29 with the counts 0 and 6: the group's length is taken from the
// whole of both chapters (61 verses, 10 a sector), so chapter 2 runs out after
// the fourth sector. No sector reaches past 2:29; the last two hold no verse, the
// table shows them as "--", and the screen says so. Esc lets the counts be changed.
TEST(ShortChapter, SectorsPastTheGroupsLastVerseAreEmptyAndSaidToBe) {
    const int DOWN = ext(key::DOWN);
    Material m(1, 30, 2, 29, 6);
    m.chapters(1, 2, 1);
    m.done();
    ScriptFace face({'0', DOWN, '6', DOWN, key::ENTER, 'x'});
    Console con(face);
    EXPECT_EQ(CHAPSEC(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), 'x');
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{1, 30, 2, 7, 10}, {2, 8, 2, 17, 10}, {2, 18, 2, 27, 10},
                                             {2, 28, 2, 29, 2}, {2, 30, 2, 29, 0}, {2, 30, 2, 29, 0}}));
    EXPECT_EQ(con.screen().line(4).substr(0, 34), "  Rom. 2 runs out of verses: Esc c");
    EXPECT_EQ(con.screen().text(10, 39, 39), "    6 R  2:--  2:--   0   0   0   0   0");
    EXPECT_NE(m.dir.read("out.inf").find("    6 R  2:--  2:--   0"), std::string::npos);

    // Esc at the table, then 1 and 5: every sector holds verses and nothing is said.
    ScriptFace again({'0', DOWN, '6', DOWN, key::ENTER, key::ESC, '1', DOWN, '5', DOWN, key::ENTER, 'x'});
    Console con2(again);
    m.t = SectorTables{};
    m.t.SECTORS = 6;
    EXPECT_EQ(CHAPSEC(con2, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t), 'x');
    for (int s = 1; s <= 6; ++s) EXPECT_FALSE(holds_no_verse(m.t, s)) << s;
    EXPECT_EQ(std::tuple(m.t.MINQZ, con2.screen().line(4)), std::tuple(3, ""));
}
