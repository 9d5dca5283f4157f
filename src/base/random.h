// The program's one random generator. random(n) is uniform on 0..n-1.
#pragma once
#include <cstdint>

namespace tv {

class Random {
public:
    explicit Random(uint64_t seed = 1) { seed_with(seed); }
    // Starts the generator afresh from a seed (a test fixes it; the program uses the clock).
    void seed_with(uint64_t seed);
    // Mixes a clock tick into the state. Runs take milliseconds, so restarting the
    // generator from the tick would repeat the same draws; mixing never does.
    void mix(uint64_t tick);
    // Uniform integer on 0..n-1; 0 when n is 0 or less.
    // Both are drawn hundreds of thousands of times a run: defined here, inline.
    int random(int n);
    uint64_t next();

private:
    static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t s_[4]{};
};

// xoshiro256** step.
inline uint64_t Random::next() {
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
inline int Random::random(int n) {
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

// Millisecond ticks, to seed the generator.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint64_t ticks_ms() = 0;
};

// The real clock.
class SystemClock : public Clock {
public:
    uint64_t ticks_ms() override;
};

// A clock for tests: starts at `start` and moves on by `step` on every reading.
class FixedClock : public Clock {
public:
    explicit FixedClock(uint64_t start = 0, uint64_t step = 0) : t_(start), step_(step) {}
    uint64_t ticks_ms() override {
        uint64_t t = t_;
        t_ += step_;
        return t;
    }

private:
    uint64_t t_, step_;
};

}  // namespace tv
