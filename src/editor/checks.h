// The rules of a style that involve more than one value: the begin and end of the
// material kept inside the books and their verse counts, the allowed values of
// "Pct Prim FTV", the cross-field checks that must pass before a style is
// accepted, and the zero-questions warning of the run driver.
#pragma once
#include <array>
#include <string>

#include "bank/tables.h"
#include "console/console.h"
#include "editor/form.h"

namespace tv {

// The editor's verse counts of the absolute chapters 1-21 (index 0 unused).
using VerseTable = std::array<int, CHAPTERS + 1>;

// Fills the verse-count table.
void EVSET(VerseTable& EVS);
// Verses of a chapter within its book (offset 0 for Romans, 16 for James). A
// chapter outside the material (only from a hand-edited file) reads the nearest one.
int verse_count(const VerseTable& EVS, int chapter, int offset);

// A book key (R, r, J, j) in the begin book field: writes the book at (14,6) and
// corrects the begin chapter and verse.
void SETBBK(Console& con, EditorStyle& s, const VerseTable& EVS, int key);
// Corrects a begin chapter just typed and lowers the begin verse to its count.
void SETBBK2(Console& con, EditorStyle& s, const VerseTable& EVS);
// A book key in the end book field: writes the book at (14,8) and corrects the end
// chapter and verse.
void SETEBK(Console& con, EditorStyle& s, const VerseTable& EVS, int key);
// Corrects an end chapter just typed; the end verse becomes the chapter's last verse.
void SETECH(Console& con, EditorStyle& s, const VerseTable& EVS);
// A typed begin or end verse lowered to the verse count of its chapter.
void limit_begin_verse(Console& con, EditorStyle& s, const VerseTable& EVS);
void limit_end_verse(Console& con, EditorStyle& s, const VerseTable& EVS);

// "Pct Prim FTV" moved to an allowed value.
int PRIM(int value);

// The number (1-9) of the first cross-field check that fails, 0 when all pass.
int failing_check(const EditorStyle& s);
// The field the cursor is sent to when check n fails.
Field check_field(int n);
// Check n told in plain words with the values of the style, at most 78 columns
// (e.g. "The specialty window 1-3 holds fewer than the 4 specialties of Total Max").
std::string check_reason(const EditorStyle& s, int n);

constexpr const char* ERROR_TEXT = "Incompatible Specs -- Press Return to go to Error ";

// Evaluates the checks; when one fails, shows the error on the title row and the
// failed rule on the row below until Return, draws both rows again and returns true.
bool ERRMESS(Console& con, const EditorStyle& s);

// The run driver's warning that a specialty type asked for has no questions; waits
// for two presses of Return.
void SPECWARN(Console& con);

}  // namespace tv
