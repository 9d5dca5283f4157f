#include "base/random.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace tv {

namespace {
uint64_t splitmix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

void Random::seed_with(uint64_t seed) {
    for (auto& s : s_) s = splitmix(seed);
}

void Random::mix(uint64_t tick) {
    uint64_t x = tick ^ s_[0];
    s_[0] ^= splitmix(x);
    s_[1] ^= splitmix(x);
    // The generator never leaves a state of all zeros.
    if (std::all_of(std::begin(s_), std::end(s_), [](uint64_t s) { return s == 0; })) s_[0] = 1;
    next();
}

uint64_t SystemClock::ticks_ms() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace tv
