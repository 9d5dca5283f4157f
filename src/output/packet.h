// The packet writer: appends one assembled quiz to the packet file in the page,
// card or tab layout, and the continuation printers that break the rest of a
// question text into indented lines.
#pragma once
#include <span>
#include <string>

#include "assembly/quiz_tables.h"
#include "bank/season.h"
#include "bank/textfile.h"
#include "style/style.h"

namespace tv {

// Last position of the text buffer A2: 254 characters of the first part of a
// question line and 255 of its second part. Positions count characters, not bytes,
// so that UTF-8 text lines up as ASCII does.
constexpr int A2_SIZE = 509;

// The writer's working fields. append_to_packet sets PAGE and LINES afresh for every quiz and
// refills A2 for every position, so nothing carries over from one quiz to the
// next; the fields are shared between append_to_packet and the continuation printers, and
// after a call they tell how the quiz ended (pages written, lines on the last page).
struct PacketState {
    // Positions 1-509 of the current question line, one character (code point) each
    // (index 0 unused); position 510 is always a blank, so "the character after the
    // break" is defined everywhere.
    std::u32string A2 = std::u32string(A2_SIZE + 2, U' ');
    int MARK1 = 0;  // position after which the next continuation line starts
    int MARK2 = 0;  // position of the blank at which the current line ends
    int X5 = 0;     // continuation lines written for the current question
    int LINES = 0;  // lines on the current page (page layout) or card (card layout)
    int PAGE = 0;   // page number within the quiz (page layout)

    char32_t at(int p) const { return p >= 1 && p <= A2_SIZE ? A2[p] : U' '; }
};

namespace packet {
struct Job;
}

// A packet layout: the letter and name a style chooses it by (style/layouts.h) and
// the writer of one quiz in it.
struct Layout {
    char letter;
    const char* name;
    void (*write)(packet::Job&);
};

// Every layout, in the order of LAYOUT_NAMES.
std::span<const Layout> layouts();
// The layout of a style's Output letter, in either case; nullptr when none has it.
const Layout* find_layout(char letter);

// Appends quiz quiz.Q2 (positions 1 to SECTORS) to the packet file in the layout
// chosen by settings.OUT. Reads AB, LPP, OUT and the material range
// BCHAP:BVER-ECHAP:EVER of the settings; NAME is the name of the quiz style. The
// season gives the books' names and letters. A letter of no layout is an IoError
// naming the style file and the letter: nothing is written.
void append_to_packet(TextWriter& packet, const Style& settings, const Season& season,
                      const std::string& NAME, int SECTORS, const QuizTables& quiz,
                      PacketState& state);

// Writes the material range, e.g. "R 1:5 to J 2:26", without a line end.
void write_material_range(TextWriter& packet, const Style& settings, const Season& season);

// The continuation printers: each writes the text of A2 after MARK1 as lines of at
// most the given window, broken at blanks, adding one to LINES for every line
// written. The caller sets MARK1 and X5 := 0.
void continue_on_page(TextWriter& packet, PacketState& state);  // page: CV Ref, CO Ref, regular
void continue_long_on_page(TextWriter& packet, PacketState& state);     // page: FTV, Quote, SIT
void continue_on_card(TextWriter& packet, PacketState& state);          // card: all but regular
void continue_regular_on_card(TextWriter& packet, PacketState& state);  // card: regular

}  // namespace tv
