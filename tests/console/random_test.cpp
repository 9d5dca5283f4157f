#include <gtest/gtest.h>

#include <array>

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
