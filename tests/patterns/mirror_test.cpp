// Mirroring of the specialty window, and the repeat count from one pattern to
// the next.
#include <gtest/gtest.h>

#include <sstream>

#include "patterns/patterns.h"
#include "patterns_support.h"

using namespace tv;
using tv::test::generating;

// Position X of the window takes position SPLATE - X + 1: a reversal for a window
// from position 1; for a later window the last SPEARLY - 1 positions are lost and
// the regular positions before the window move in. Positions outside the window
// keep their letters.
TEST(Mirror, WindowTakesItsLettersCountedFromPositionOne) {
    const std::tuple<int, int, std::string, std::string> cases[] = {// window, letters before and after
        {1, 10, "F1 R3 O10", "O1 R8 F10"},
        // 5-20: 5 -> 16, 8 -> 13; the O at 20 and the S at 18 are lost; 25 stays.
        {5, 20, "F5 R8 S18 O20 F25", "R13 F16 F25"},
        // A window no longer than SPEARLY - 1 loses everything in it.
        {10, 12, "F10 R11 O12 F13", "F13"}};
    const auto pattern = [](const std::string& letters) {
        std::string p(30, 'n');
        std::istringstream in(letters);
        for (std::string at; in >> at;) p[std::stoi(at.substr(1)) - 1] = at[0];
        return p;
    };
    for (const auto& [early, late, before, after] : cases) {
        std::string p = pattern(before);
        mirror(p, early, late);
        EXPECT_EQ(p, pattern(after)) << "window " << early << "-" << late;
    }
}

// The repeat count and the type last walked start afresh for every pattern:
// whatever the patterns before left in them, the same draws give the same pattern.
TEST(MakePattern, RepeatCountStartsAfreshForEveryPattern) {
    EditorStyle s = generating(1, 30, 6, 6, {6, 6}, {0, 0}, {0, 0}, {0, 0});
    for (int seed = 1; seed <= 20; ++seed) {
        Patterns fresh, worn;
        worn.W = 500, worn.WLAST = 0, worn.PREV = 'F';
        Random a(seed), b(seed);
        EXPECT_EQ(make_pattern(worn, s, b), make_pattern(fresh, s, a)) << "seed " << seed;
        EXPECT_EQ(worn.W, fresh.W);
    }
}
