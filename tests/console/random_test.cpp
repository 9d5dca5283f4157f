#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "console/draws.h"
#include "console/random.h"

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

// One draw among the usable values of a range: the k-th draw result names the k-th
// usable value, so each of them can come up; none usable gives the value before
// the range, and a range longer than 32 is cut at 32 values.
TEST(UsableValues, EachUsableValueHasItsOwnDraw) {
    struct Fixed {  // a draw below n that gives k, or the highest value below n
        int k;
        int random(int n) const { return k < n ? k : n - 1; }
    };
    const struct {
        int from, to;
        int modulus;  // a value is usable when it divides by this
        std::vector<int> usable;
    } rows[] = {
        {1, 10, 2, {2, 4, 6, 8, 10}},
        {5, 7, 9, {}},
        {1, 40, 8, {8, 16, 24, 32}},
    };
    for (const auto& row : rows) {
        const tv::UsableValues values(row.from, row.to, [&](int v) { return v % row.modulus == 0; });
        ASSERT_EQ(values.count(), static_cast<int>(row.usable.size())) << row.from << "-" << row.to;
        for (int k = 0; k < values.count(); ++k) {
            Fixed draw{k};
            EXPECT_EQ(values.pick(draw), row.usable[static_cast<size_t>(k)]) << row.from << "-" << row.to;
        }
        if (values.count() == 0) {
            Fixed draw{0};
            EXPECT_EQ(values.pick(draw), row.from - 1);
        }
    }
}
