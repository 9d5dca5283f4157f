#include <gtest/gtest.h>

#include <array>

#include "console/random.h"

using tv::Random;

TEST(Random, StaysInRangeAndCoversItEvenly) {
    Random r(42);
    std::array<int, 7> hits{};
    for (int i = 0; i < 70000; ++i) {
        int x = r.random(7);
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 7);
        ++hits[x];
    }
    for (int h : hits) EXPECT_NEAR(h, 10000, 600);
    EXPECT_EQ(r.random(1), 0);
    EXPECT_EQ(r.random(0), 0);
}

TEST(Random, TheSameSeedGivesTheSameDraws) {
    Random a(7), b(7);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.random(1000), b.random(1000));
}

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
