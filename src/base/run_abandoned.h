// Abandoning a run: thrown by any step, caught by the cycle.
#pragma once
#include <string>

namespace tv {

// Abandons the run in progress: the cycle catches it and starts again at the banner.
// Files of the run are closed on the way out by their owners.
struct RunAbandoned {
    std::string why;  // for tests and logs; the screen already said what happened
};

}  // namespace tv
