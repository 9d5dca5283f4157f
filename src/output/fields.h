// Pieces of a question line shared by the three layouts of the packet writer.
#pragma once
#include <string>

#include "output/packet.h"

namespace tv::packet {

// What one call of append_to_packet writes: the settings and the quiz.
struct Job {
    TextWriter& out;
    const Style& settings;
    const Season& season;
    const std::string& NAME;
    int SECTORS;
    const QuizTables& quiz;
    PacketState& st;

    // Type letter of position X ('n' past the end of the pattern).
    char type_of(int X) const;
    char book_letter(int X) const { return quiz.RLBK[X]; }
    // The name of the book of position X ("Romans").
    std::string book_name(int X) const;
};

// A2 := the question line of position X: positions 1-254 from ALL, 255-509 from
// ALL2, blanks elsewhere.
void fill_buffer(PacketState& st, const QuizTables& quiz, int X);

std::string blanks(int n);
// Text right-aligned in a width of characters (never cut).
std::string rjust(const std::string& s, int width);
// Blanks appended until the line holds `col` characters (UTF-8 counted by character).
void pad_to(std::string& line, int col);
// The position number in `width` columns, or as many blanks beyond AB.
std::string number_field(int X, int AB, int width);

// Chapter and verse of positions 1-2 and 4-5, without a leading blank.
std::string chapter_text(const PacketState& st);
std::string verse_text(const PacketState& st);
bool one_digit_chapter(const PacketState& st);
bool one_digit_verse(const PacketState& st);
// Positions from..to of A2 as they stand.
std::string span(const PacketState& st, int from, int to);
// Positions 1-2, ":" and positions 4-5.
std::string short_reference(const PacketState& st);
// The material range as write_material_range writes it.
std::string material(const Style& s, const Season& season);

// First position at or after `from` holding a TAB, or 510 when there is none.
int next_tab(const PacketState& st, int from);
// First-line break of a regular question: scans positions 8 up to `last` (TABs
// become blanks) and stops early after a "?". `brk` is the last blank seen (6 when
// there was none, so the whole text goes to the continuation).
struct Break {
    int brk;
    bool at_question;
};
Break question_break(PacketState& st, int last);
// Break before the quotation of a SIT text: the last blank before the first
// double or single quotation mark (straight, or a word processor's opening mark)
// found from position 9 on. A text without one
// is an introduction as a whole: the break is the position after its end.
int sit_break(PacketState& st);

// Continues the text after position `mark` with a continuation printer: always,
// or only when the character after `mark` is not blank.
using Printer = void (*)(TextWriter&, PacketState&);
void continue_from(Job& job, int mark, Printer printer, bool always);

void page_layout(Job& job);
void card_layout(Job& job);
void tab_layout(Job& job);

}  // namespace tv::packet
