// The card layout: an 18-line title card, then one card per position, padded
// with empty lines to a multiple of 18 lines.
#include <string>

#include "base/utf8.h"
#include "output/fields.h"

namespace tv::packet {

namespace {

constexpr int CARD = 18;

void title_card(Job& job) {
    TextWriter& out = job.out;
    out.writeln();
    out.writeln();
    out.writeln("    " + job.NAME + " Style Quizzing");
    out.writeln();
    out.writeln("    " + material(job.settings, job.season));
    out.writeln();
    out.writeln("    Quiz Number " + std::to_string(job.quiz.Q2));
    for (int i = 0; i < 11; ++i) out.writeln();
}

// Card lines 1-5: empty, empty, the header, empty, empty. The header starts with
// the book letter and positions 1-5 as they stand; `kind` follows, then "Quiz "
// right-aligned so that it ends `quiz_width` columns after `kind`.
void header(Job& job, int X, const std::string& kind, int quiz_width) {
    std::string line = "    ";
    line += job.book_letter(X);
    line +=
        ' ' + span(job.st, 1, 5) + kind + rjust("Quiz ", quiz_width) + std::to_string(job.quiz.Q2);
    job.out.writeln();
    job.out.writeln();
    job.out.writeln(line);
    job.out.writeln();
    job.out.writeln();
}

// Line 6 of a card followed by an empty line 7.
void lines_6_and_7(Job& job, const std::string& line6) {
    job.out.writeln(line6);
    job.out.writeln();
    job.st.LINES = 7;
}

void cv_card(Job& job, int X) {
    PacketState& st = job.st;
    header(job, X, "   CV", 27);
    // Right-aligned in the width of the longest name: " James" beside "Romans".
    const std::string book = rjust(job.book_name(X), job.season.longest_name());
    lines_6_and_7(job, number_field(X, job.settings.AB, 7) + ". " + "Accd. to " + book +
                           " chapter " + chapter_text(st) + " verse " + span(st, 4, 5) + ", ");
    continue_from(job, 9, continue_on_card, true);
}

void co_card(Job& job, int X) {
    PacketState& st = job.st;
    header(job, X, "   CO", 27);
    lines_6_and_7(job, number_field(X, job.settings.AB, 6) + ". " + "According to " +
                           job.book_name(X) + " chapter " + chapter_text(st));
    continue_from(job, 9, continue_on_card, true);
}

// Header of an FTV or Quote card: the type field, the characters after the first
// TAB at position 6 or later up to the next TAB (at least one character). Returns
// the position of the TAB that ends it.
int ftv_header(Job& job, int X) {
    const PacketState& st = job.st;
    const int first = next_tab(st, 6);
    const int second = next_tab(st, first + 2);
    const std::string field = span(st, first + 1, second - 1);
    header(job, X, "   " + field, 29 - static_cast<int>(utf8::length(field)));
    return second;
}

void quote_card(Job& job, int X) {
    PacketState& st = job.st;
    ftv_header(job, X);
    std::string line = number_field(X, job.settings.AB, 6) + ". " + "Quote " + job.book_name(X) +
                       " chapter " + chapter_text(st) + " verse " + verse_text(st);
    if (one_digit_chapter(st)) line += ' ';
    if (one_digit_verse(st)) line += ' ';
    lines_6_and_7(job, line);
    continue_from(job, 11, continue_on_card, false);
}

// Line 6: the verse from its start up to the last blank (or TAB) at or before
// position 46.
void ftv_card(Job& job, int X) {
    PacketState& st = job.st;
    const int tab = ftv_header(job, X);
    int brk = tab;
    for (int p = tab + 1; p <= 46; ++p) {
        if (st.A2[p] == '\t') st.A2[p] = ' ';
        if (st.A2[p] == ' ') brk = p;
    }
    job.out.writeln(number_field(X, job.settings.AB, 6) + ". " + span(st, tab + 1, brk - 1));
    st.LINES = 6;
    continue_from(job, brk, continue_on_card, false);
}

// A SIT card: the introduction on line 6 as on the page, the quotation continued
// below it.
void sit_card(Job& job, int X) {
    PacketState& st = job.st;
    header(job, X, "   SIT", 26);
    const int brk = sit_break(st);
    job.out.writeln(number_field(X, job.settings.AB, 6) + ". " + span(st, 7, brk - 1) + ",");
    st.LINES = 6;
    continue_from(job, brk, continue_on_card, false);
}

// Line 6: the question up to its "?" or the last blank before position 42; an
// empty line after a "?".
void regular_card(Job& job, int X) {
    PacketState& st = job.st;
    header(job, X, "     ", 29);
    const Break b = question_break(st, 42);
    job.out.writeln(number_field(X, job.settings.AB, 6) + ". " + span(st, 7, b.brk - 1));
    st.LINES = 6;
    if (b.at_question) {
        job.out.writeln();
        st.LINES += 1;
    }
    continue_from(job, b.brk, continue_regular_on_card, false);
}

void card(Job& job, int X) {
    fill_buffer(job.st, job.quiz, X);
    switch (job.type_of(X)) {
    case 'R': cv_card(job, X); break;
    case 'O': co_card(job, X); break;
    case 'F':
        if (job.st.at(7) == 'Q')
            quote_card(job, X);
        else
            ftv_card(job, X);
        break;
    case 'S': sit_card(job, X); break;
    default: regular_card(job, X); break;
    }
}

}  // namespace

void card_layout(Job& job) {
    title_card(job);
    for (int X = 1; X <= job.SECTORS; ++X) {
        job.st.LINES = 0;
        card(job, X);
        // At least one empty line, then up to a whole number of cards: 18 or 36
        // lines, or more for a question that needed more than two cards.
        do {
            job.out.writeln();
            job.st.LINES += 1;
        } while (job.st.LINES % CARD != 0);
    }
}

}  // namespace tv::packet
