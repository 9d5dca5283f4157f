// The review screens of the patterns of a run: quizzes 1..P.QZ of P.PAT, page by
// page. Space draws a new pattern for the highlighted quiz; Enter accepts a page.
// WRITESPECS (at most 30 questions a quiz) takes Esc as Enter; WRITESPECS75 (more)
// ends on Esc and sets P.BACK.
#pragma once

#include "console/console.h"
#include "patterns/patterns.h"

namespace tv {

void WRITESPECS(Console& con, Patterns& P, const Style& s, DrawSource& rnd);
void WRITESPECS75(Console& con, Patterns& P, const Style& s, DrawSource& rnd);

}  // namespace tv
