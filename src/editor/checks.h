// The rules of a style that involve more than one value: the begin and end of the
// material kept inside the season's books and their verse counts, the allowed values of
// "Pct Prim FTV", and the cross-field checks that must pass before a style is
// accepted. The form shows what they correct.
#pragma once
#include <array>
#include <string>

#include "bank/season.h"
#include "bank/tables.h"
#include "editor/form.h"

namespace tv {

// Verses of a chapter within its book (offset: the chapters of the books before it).
// A chapter outside the material (only from a hand-edited file) reads the nearest one.
int verse_count(const Season& EVS, int chapter, int offset);

// At level "L" the material holds only the chapters the level covers: a begin moves
// forward to the next such chapter of its book (back to the last when there is none
// after it), an end moves back to the one before (forward to the first). A book
// without such chapters is left as it is.
int level_l_begin(const Season& EVS, const EditorStyle& s, int chapter);
int level_l_end(const Season& EVS, const EditorStyle& s, int chapter);

// A book key (the letter of a book, Season::book_for_key) in the begin book field:
// sets the book and corrects the begin chapter and verse.
void set_begin_book(EditorStyle& s, const Season& EVS, const Book& book);
// Corrects a begin chapter just typed and lowers the begin verse to its count.
void correct_begin_chapter(EditorStyle& s, const Season& EVS);
// A book key in the end book field: sets the book and corrects the end chapter and verse.
void set_end_book(EditorStyle& s, const Season& EVS, const Book& book);
// Corrects an end chapter just typed; the end verse becomes the chapter's last verse.
void correct_end_chapter(EditorStyle& s, const Season& EVS);
// A typed begin or end verse lowered to the verse count of its chapter.
void lower_begin_verse(EditorStyle& s, const Season& EVS);
void lower_end_verse(EditorStyle& s, const Season& EVS);

// "Pct Prim FTV" moved to an allowed value.
int allowed_prim_pct(int value);

constexpr int CHECK_COUNT = 10;
// Whether a drawn pattern's deck can put a specialty past the quiz's last question
// (a window full at Total Max that ends the quiz before position 30).
bool deck_overruns_quiz(const EditorStyle& s);
// The number (1-CHECK_COUNT) of the first cross-field check that fails, 0 when all pass.
int failing_check(const EditorStyle& s);
// The field the cursor is sent to when check n fails.
Field check_field(int n);
// Check n told in plain words with the values of the style, at most 78 columns
// (e.g. "The specialty window 1-3 holds fewer than the 4 specialties of Total Max").
std::string check_reason(const EditorStyle& s, int n);

constexpr const char* ERROR_TEXT = "Incompatible Specs -- Press Return to go to Error ";

}  // namespace tv
