// Helpers of the pattern tests: a scripted draw source and a style builder.
#pragma once
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "patterns/patterns.h"

namespace tv::test {

// Draws given in advance as (bound, value): each draw must ask for the bound the
// script expects, so a test also checks which draws the code makes, in order.
class ScriptedDraws : public DrawSource {
public:
    void add(int below, int value) { script_.emplace_back(below, value); }
    void add(int below, std::initializer_list<int> values) {
        for (int v : values) add(below, v);
    }
    int random(int n) override {
        if (next_ >= script_.size())
            throw std::runtime_error("draw " + std::to_string(next_ + 1) + " below " +
                                     std::to_string(n) + " is past the script");
        auto [below, value] = script_[next_];
        if (below != n)
            throw std::runtime_error("draw " + std::to_string(next_ + 1) + " is below " +
                                     std::to_string(n) + ", the script says below " +
                                     std::to_string(below));
        ++next_;
        return value;
    }
    bool done() const { return next_ == script_.size(); }

private:
    std::vector<std::pair<int, int>> script_;
    size_t next_ = 0;
};

struct Limits {
    int min, max;
};

// A style that generates its patterns, window SPEARLY..SPLATE.
inline EditorStyle generating(int early, int late, int spmin, int spmax, Limits f, Limits r,
                              Limits o, Limits s) {
    EditorStyle e;
    e.SETSPC = 'N';
    e.QMAX = 30;
    e.SPEARLY = early, e.SPLATE = late;
    e.SPMIN = spmin, e.SPMAX = spmax;
    e.FMIN = f.min, e.FMAX = f.max;
    e.RMIN = r.min, e.RMAX = r.max;
    e.OMIN = o.min, e.OMAX = o.max;
    e.SMIN = s.min, e.SMAX = s.max;
    return e;
}

}  // namespace tv::test
