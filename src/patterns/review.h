// The review screens of the patterns of a run: quizzes 1..P.QZ of P.PAT, page by
// page. Space draws a new pattern for the highlighted quiz; Enter (or Esc) accepts a page.
#pragma once

#include "console/console.h"
#include "patterns/patterns.h"

namespace tv {

void review_patterns(Console& con, Patterns& P, const Style& s, DrawSource& rnd);

}  // namespace tv
