// Draw loops done directly. Many procedures draw a number again and again until it
// names something usable; near the end of a deck or a supply that takes dozens of
// draws. These helpers give the same outcome with the same probabilities in a few
// draws. `Source` is anything with random(n) uniform on 0..n-1.
#pragma once
#include <limits>

namespace tv {

// Draws from..to until `ok` holds for the value drawn. The first draw is made as
// the loop makes it and kept when usable; after a miss the loop goes on as if it
// started afresh, and ends on each usable value alike: that one is drawn at once.
// Returns from - 1 when no value is usable (the loop would never end).
template <class Source, class Ok>
int draw_among(Source& rnd, int from, int to, Ok ok) {
    if (to < from) return from - 1;
    int first = from + rnd.random(to - from + 1);
    if (ok(first)) return first;
    int usable = 0;
    for (int v = from; v <= to; ++v) usable += ok(v) ? 1 : 0;
    if (usable == 0) return from - 1;
    int j = rnd.random(usable);
    for (int v = from;; ++v)
        if (ok(v) && j-- == 0) return v;
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
    const long long top = std::numeric_limits<int>::max();
    for (long left = draws; left > 0;) {
        long long span = 1, miss = 1;
        for (; left > 0 && span * n <= top; --left) {
            span *= n;
            miss *= n - hits;
        }
        if (rnd.random(static_cast<int>(span)) >= miss) return true;
    }
    return false;
}

}  // namespace tv
