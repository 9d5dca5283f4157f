// Mirroring of the specialty window, and the repeat count from one pattern to
// the next.
#include <gtest/gtest.h>

#include "patterns/patterns.h"
#include "patterns_support.h"

using namespace tv;
using tv::test::generating;

namespace {

// A 30-letter pattern with the given letters at the given positions.
std::string with(std::initializer_list<std::pair<int, char>> letters) {
    std::string p(30, 'n');
    for (auto [pos, c] : letters) p[pos - 1] = c;
    return p;
}

}  // namespace

// Position X of the window takes position SPLATE - X + 1: a reversal for a window
// from position 1; for a later window the last SPEARLY - 1 positions are lost and
// the regular positions before the window move in. Positions outside the window
// keep their letters.
TEST(Mirror, WindowTakesItsLettersCountedFromPositionOne) {
    struct Case {
        int early, late;
        std::string before, after;
    };
    const Case cases[] = {
        {1, 10, with({{1, 'F'}, {3, 'R'}, {10, 'O'}}), with({{1, 'O'}, {8, 'R'}, {10, 'F'}})},
        // 5-20: 5 -> 16, 8 -> 13; the O at 20 and the S at 18 are lost; 25 stays.
        {5, 20, with({{5, 'F'}, {8, 'R'}, {18, 'S'}, {20, 'O'}, {25, 'F'}}),
         with({{13, 'R'}, {16, 'F'}, {25, 'F'}})},
        // A window no longer than SPEARLY - 1 loses everything in it.
        {10, 12, with({{10, 'F'}, {11, 'R'}, {12, 'O'}, {13, 'F'}}), with({{13, 'F'}})},
    };
    for (const Case& c : cases) {
        std::string p = c.before;
        mirror(p, c.early, c.late);
        EXPECT_EQ(p, c.after) << "window " << c.early << "-" << c.late;
    }
}

// Patterns of a window from position 6. A mirrored pattern has no specialty at
// positions 26-30 (they take positions 5 down to 1, before the window), so those
// come only from patterns left as dealt, and far less often than at the window's
// first positions 6-10. Reversing the window instead would make them nearly as
// common there as at its start.
TEST(Mirror, LateWindowsKeepFewerSpecialtiesAtTheirEnd) {
    EditorStyle s = generating(6, 30, 3, 3, {1, 1}, {1, 1}, {1, 1}, {0, 0});
    Random r(4242);
    int head = 0, tail = 0;
    for (int q = 0; q < 2000; ++q) {
        Patterns P;
        std::string pat = SPECPAT(P, s, r);
        ASSERT_EQ(count_specialties(pat), 3) << pat;
        for (int p = 6; p <= 10; ++p) head += pat[p - 1] != 'n';
        for (int p = 26; p <= 30; ++p) tail += pat[p - 1] != 'n';
    }
    EXPECT_LT(tail * 4, head) << "head " << head << " tail " << tail;
}

// The repeat count and the type last walked start afresh for every pattern:
// whatever the patterns before left in them, the same draws give the same pattern.
TEST(Specpat, RepeatCountStartsAfreshForEveryPattern) {
    EditorStyle s = generating(1, 30, 6, 6, {6, 6}, {0, 0}, {0, 0}, {0, 0});
    for (int seed = 1; seed <= 20; ++seed) {
        Patterns fresh, worn;
        worn.W = 500, worn.WLAST = 0, worn.PREV = 'F';
        Random a(seed), b(seed);
        EXPECT_EQ(SPECPAT(worn, s, b), SPECPAT(fresh, s, a)) << "seed " << seed;
        EXPECT_EQ(worn.W, fresh.W);
    }
}
