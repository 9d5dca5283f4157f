// Draw loops done directly. Many procedures draw a number again and again until it
// names something usable; near the end of a deck or a supply that takes dozens of
// draws. These helpers give the same outcome with the same probabilities in a few
// draws. `Source` is anything with random(n) uniform on 0..n-1.
#pragma once
#include <algorithm>
#include <array>
#include <limits>

namespace tv {

// The values of a short range from..to (at most 32 values) for which `ok` holds,
// in order. Drawing values of the range until a usable one comes up ends on each
// usable value alike: pick() makes that choice with one draw (from - 1 when none
// is usable).
class UsableValues {
public:
    static constexpr int MAX = 32;

    template <class Ok>
    UsableValues(int from, int to, Ok ok) : none_(from - 1) {
        int n = 0;
        const int last = std::min(to, from + MAX - 1);
        for (int v = from; v <= last; ++v) {
            values_[n] = v;  // kept when usable
            n += ok(v) ? 1 : 0;
        }
        count_ = n;
    }
    int count() const { return count_; }
    template <class Source>
    int pick(Source& rnd) const {
        return count_ > 0 ? values_[rnd.random(count_)] : none_;
    }

private:
    std::array<int, MAX> values_;  // the first count_ are set
    int count_ = 0;
    int none_;
};

// Draws from..to until `ok` holds for the value drawn. The first few draws are
// made as the loop makes them, and one that is usable is kept; after those misses
// the loop goes on as if it started afresh and ends on each usable value alike,
// so that value is drawn at once among the usable ones. (About one plain draw per
// eight values: as many as counting the usable values costs.)
// Returns from - 1 when no value is usable (the loop would never end).
template <class Source, class Ok>
int draw_among(Source& rnd, int from, int to, Ok ok) {
    if (to < from) return from - 1;
    const int values = to - from + 1;
    for (int plain = 1 + values / 8; plain > 0; --plain) {
        int v = from + rnd.random(values);
        if (ok(v)) return v;
    }
    int usable = 0;
    for (int v = from; v <= to; ++v) usable += ok(v) ? 1 : 0;
    if (usable == 0) return from - 1;
    int j = rnd.random(usable);  // the j-th (from 0) usable value
    for (int v = from;; ++v) {
        j -= ok(v) ? 1 : 0;
        if (j < 0) return v;
    }
}

// Whether at least one of `draws` draws below n lands on one of `hits` of the n
// values. Only whether one hits matters, so the draws are decided in blocks: m
// draws all miss with probability (n - hits)^m / n^m, which is exactly the chance
// that one draw below n^m falls below (n - hits)^m. A block is as long as n^m stays
// within a draw's range.
template <class Source>
bool hit_within(Source& rnd, int n, int hits, long draws) {
    if (hits <= 0 || draws <= 0) return false;
    if (hits >= n) return true;
    struct Block {
        long m = 0;                    // draws
        long long span = 1, miss = 1;  // n^m, (n - hits)^m
    };
    auto block_of = [&](long most) {
        Block b;
        for (; b.m < most && b.span * n <= std::numeric_limits<int>::max(); ++b.m)
            b.span *= n, b.miss *= n - hits;
        return b;
    };
    const Block whole = block_of(draws);
    for (long left = draws; left > 0; left -= whole.m) {
        const Block b = left >= whole.m ? whole : block_of(left);
        if (rnd.random(static_cast<int>(b.span)) >= b.miss) return true;
    }
    return false;
}

}  // namespace tv
