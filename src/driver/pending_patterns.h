// TO BE REPLACED when the specialty pattern generator joins the program: the seam
// through which step 6 of the cycle asks for the run's patterns.
#pragma once
#include "bank/textfile.h"
#include "console/console.h"
#include "console/random.h"
#include "editor/editor.h"

namespace tv {

// Draws a specialty pattern for each of the QZ quizzes from the editor's copy of the
// style, lets the user review them and writes them to "pat.txt", one line per quiz.
// Sets BACK when the user leaves the review with Esc. Returns whether "pat.txt" was
// written for this run.
bool make_patterns(Console& con, const Files& files, Random& rng, Editor& ed, int QZ, bool& BACK);

}  // namespace tv
