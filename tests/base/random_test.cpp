#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "base/draws.h"
#include "base/random.h"

using tv::Random;

TEST(Random, MixingTheSameTickDoesNotRepeatTheDraws) {
    // Reseeding before every question with a clock that has not moved must not
    // give the same number each time.
    Random r(1);
    std::array<int, 20> seen{};
    for (int i = 0; i < 200; ++i) {
        r.mix(5000);
        ++seen[r.random(20)];
    }
    int used = 0;
    for (int s : seen) used += s > 0;
    EXPECT_GT(used, 15);
}

// One draw among the usable values of a range: the k-th result of the draw names the
// k-th usable value, so that each of them can come up; a range is cut at 32 values,
// and with none usable the value before the range comes out.
TEST(UsableValues, EachUsableValueHasItsOwnDraw) {
    struct Fixed {  // gives k, or the highest result below n
        int k;
        int random(int n) const { return std::min(k, n - 1); }
    };
    const tv::UsableValues eighths(1, 40, [](int v) { return v % 8 == 0; }), none(5, 7, [](int) { return false; });
    std::vector<int> picked;
    for (Fixed draw{0}; draw.k < 5; ++draw.k) picked.push_back(eighths.pick(draw));
    EXPECT_EQ(picked, (std::vector<int>{8, 16, 24, 32, 32}));
    Fixed first{0};
    EXPECT_EQ(none.pick(first), 4);
}
