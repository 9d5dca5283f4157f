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
    int random(int n);
    uint64_t next();

private:
    uint64_t s_[4]{};
};

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
    uint64_t ticks_ms() override { uint64_t t = t_; t_ += step_; return t; }

private:
    uint64_t t_, step_;
};

}  // namespace tv
