#include "console/random.h"

#include <chrono>

namespace tv {

namespace {
uint64_t splitmix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
}  // namespace

void Random::seed_with(uint64_t seed) {
    for (auto& s : s_) s = splitmix(seed);
}

void Random::mix(uint64_t tick) {
    uint64_t x = tick ^ s_[0];
    s_[0] ^= splitmix(x);
    s_[1] ^= splitmix(x);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;
    next();
}

// xoshiro256** step.
uint64_t Random::next() {
    uint64_t result = rotl(s_[1] * 5, 7) * 9;
    uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

// Multiply-and-shift with rejection of the uneven low part: uniform, and without
// a division on almost every draw.
int Random::random(int n) {
    if (n <= 0) return 0;
    const uint64_t range = static_cast<uint64_t>(n);
    unsigned __int128 m = static_cast<unsigned __int128>(next()) * range;
    uint64_t low = static_cast<uint64_t>(m);
    if (low < range) {
        const uint64_t threshold = (0 - range) % range;
        while (low < threshold) {
            m = static_cast<unsigned __int128>(next()) * range;
            low = static_cast<uint64_t>(m);
        }
    }
    return static_cast<int>(m >> 64);
}

uint64_t SystemClock::ticks_ms() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace tv
