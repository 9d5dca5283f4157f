#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "console/draws.h"
#include "console/random.h"

using tv::Random;
using tv::draw_among;
using tv::hit_within;

namespace {

// Draws given in advance as (bound, value); a draw with another bound, or past the
// end, is an error, so a test also checks which draws are made.
struct Script {
    std::vector<std::pair<int, int>> draws;
    size_t next = 0;
    int random(int n) {
        if (next >= draws.size()) throw std::runtime_error("a draw past the script");
        auto [below, value] = draws[next++];
        if (below != n) throw std::runtime_error("a draw below " + std::to_string(n));
        return value;
    }
    bool done() const { return next == draws.size(); }
};

bool odd(int v) { return v % 2 != 0; }

}  // namespace

// Values 3..12: ten values, so two plain draws (one per eight values, and one).
TEST(DrawAmong, PlainDrawsAreKeptWhenUsableElseOneDrawAmongTheUsable) {
    Script kept{{{10, 4}}};  // 3 + 4 = 7 is odd
    EXPECT_EQ(draw_among(kept, 3, 12, odd), 7);
    EXPECT_TRUE(kept.done());

    Script second{{{10, 5}, {10, 2}}};  // 8 is even, 5 is odd
    EXPECT_EQ(draw_among(second, 3, 12, odd), 5);
    EXPECT_TRUE(second.done());

    Script missed{{{10, 5}, {10, 1}, {5, 3}}};  // 8 and 4 are even; of 3 5 7 9 11 the fourth
    EXPECT_EQ(draw_among(missed, 3, 12, odd), 9);
    EXPECT_TRUE(missed.done());

    Script none{{{3, 0}}};
    EXPECT_EQ(draw_among(none, 2, 4, [](int) { return false; }), 1);
    EXPECT_TRUE(none.done());
}

// Drawing 1..12 until a value is usable takes each usable value alike.
TEST(DrawAmong, EachUsableValueAlike) {
    Random r(31);
    auto usable = [](int v) { return v == 2 || v == 3 || v == 11; };
    std::array<int, 13> seen{};
    for (int i = 0; i < 30000; ++i) ++seen[draw_among(r, 1, 12, usable)];
    for (int v = 0; v <= 12; ++v) {
        if (usable(v))
            EXPECT_NEAR(seen[v], 10000, 400) << v;  // standard deviation 82
        else
            EXPECT_EQ(seen[v], 0) << v;
    }
}

// 99 draws below 31 for one value: blocks of 6 draws (31^6 = 887503681 is the
// largest power within a draw), the last block of 3; a block misses below 30^m.
TEST(HitWithin, DecidesTheDrawsInBlocks) {
    Script all_miss;
    for (int b = 0; b < 16; ++b) all_miss.draws.push_back({887503681, 729000000 - 1});
    all_miss.draws.push_back({29791, 27000 - 1});
    EXPECT_FALSE(hit_within(all_miss, 31, 1, 99));
    EXPECT_TRUE(all_miss.done());

    Script late_hit{{{887503681, 0}, {887503681, 729000000}}};
    EXPECT_TRUE(hit_within(late_hit, 31, 1, 99));
    EXPECT_TRUE(late_hit.done());

    Script no_draws;
    EXPECT_FALSE(hit_within(no_draws, 31, 0, 99));   // nothing to hit
    EXPECT_TRUE(hit_within(no_draws, 5, 5, 1));      // every value hits
    EXPECT_FALSE(hit_within(no_draws, 5, 2, 0));     // no draw at all
}

// Whether one of d draws below n hits h values: 1 - ((n - h) / n)^d, compared
// with the loop itself, drawn one by one.
TEST(HitWithin, HitsAsOftenAsTheDrawsOneByOne) {
    struct Case { int n, hits; long draws; };
    for (Case c : {Case{4, 1, 5}, Case{31, 1, 99}, Case{30, 2, 13}}) {
        Random fast(5), slow(6);
        const int tries = 40000;
        int hit = 0, loop_hit = 0;
        for (int i = 0; i < tries; ++i) {
            hit += hit_within(fast, c.n, c.hits, c.draws);
            bool found = false;
            for (long d = 0; d < c.draws && !found; ++d) found = slow.random(c.n) < c.hits;
            loop_hit += found;
        }
        double p = 1 - std::pow(static_cast<double>(c.n - c.hits) / c.n, static_cast<double>(c.draws));
        double sd = std::sqrt(p * (1 - p) / tries);
        EXPECT_NEAR(static_cast<double>(hit) / tries, p, 5 * sd) << c.n << " " << c.draws;
        EXPECT_NEAR(static_cast<double>(loop_hit) / tries, p, 5 * sd) << c.n << " " << c.draws;
    }
}

TEST(UsableValues, ListsTheUsableValuesAndPicksOneWithOneDraw) {
    const tv::UsableValues odd_ones(3, 12, odd);
    EXPECT_EQ(odd_ones.count(), 5);
    Script third{{{5, 2}}};
    EXPECT_EQ(odd_ones.pick(third), 7);
    EXPECT_TRUE(third.done());

    const tv::UsableValues none(1, 30, [](int) { return false; });
    Script no_draw;
    EXPECT_EQ(none.pick(no_draw), 0);

    Random r(8);
    std::array<int, 13> seen{};
    for (int i = 0; i < 25000; ++i) ++seen[odd_ones.pick(r)];
    for (int v : {3, 5, 7, 9, 11}) EXPECT_NEAR(seen[v], 5000, 350) << v;  // standard deviation 63
}
