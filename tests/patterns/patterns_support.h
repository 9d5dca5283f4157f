// Helpers of the pattern tests: a style builder.
#pragma once

#include "patterns/patterns.h"

namespace tv::test {

struct Limits {
    int min, max;
};

// A style that generates its patterns, window SPEARLY..SPLATE.
inline EditorStyle generating(int early, int late, int spmin, int spmax, Limits f, Limits r, Limits o, Limits s) {
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
