#include <gtest/gtest.h>

#include "material.h"
#include "sectors/chapsec.h"

using namespace tv;
using namespace tv::test;

TEST(Chapsec, ASectorReachingPastTheEndOfTheMaterialCountsOnlyTheMaterial) {
    // 8:30-8:39 in 2 sectors: L = 39 div 2 makes sector 1 run to 8:48; the
    // questions of chapter 9 do not count.
    Material m(8, 30, 8, 39, 2);
    m.chapters(8, 9, 1);
    m.t.CS[8] = 2;
    m.done();
    cut_chapters(m.style, m.season, m.t);
    count_chapter_sectors(m.files(), COUNT_FILE, m.style, m.season, m.t);
    EXPECT_EQ(spans(m.t), (std::vector<Span>{{8, 30, 8, 39, 10}, {8, 40, 8, 39, 0}}));
}

// The allocation list of Romans 1-3 for 6 sectors (proposed 2, 2, 2): Esc stops the
// run there, also during an entry; Return ends a one-digit entry and checks the total
// at once; a refused total is cleared by the next count typed.
TEST(Chapsec, TheListCanBeLeftAndARefusedTotalNeedsNoExtraKey) {
    const int DOWN = ext(key::DOWN), RET = key::ENTER;
    const struct {
        std::vector<int> keys;
        bool stopped;
        int row;
        std::string shown;  // the start of that row; "": the row is blank
    } cases[] = {
        {{key::ESC}, true, 3, "  Choose questions per chapter."},
        {{'5', key::ESC}, true, 3, "  Choose questions per chapter."},
        {{'5', RET}, false, 20, std::string(39, ' ') + "Your total is 9 questions"},
        {{'5', RET, '3'}, false, 20, ""},
        {{'5', RET, '1', DOWN, '3', RET}, false, 3, "  Your smallest sector has"},
    };
    for (const auto& c : cases) {
        Material m(1, 1, 3, 31, 6);
        m.chapters(1, 3, 1);
        m.done();
        ScriptFace face(c.keys);
        Console con(face);
        bool stopped = false;
        try {
            CHAPSEC(con, m.files(), COUNT_FILE, m.style, m.season, m.bank, m.t);
        } catch (const RunAbandoned&) {
            stopped = true;
        } catch (const ScriptExhausted&) {
        }
        SCOPED_TRACE(dump(con.screen()));
        EXPECT_EQ(stopped, c.stopped);
        if (c.stopped) {
            EXPECT_NE(con.screen().line(25).find("Esc Stop the run"), std::string::npos);
        }
        const std::string row = con.screen().line(c.row);
        EXPECT_EQ(c.shown.empty() ? row : row.substr(0, c.shown.size()), c.shown);
    }
}
