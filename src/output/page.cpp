// The page layout: a title block, one entry per position (an empty line, the
// first line by type, the continuation), page headers with form feeds.
#include <algorithm>
#include <string>

#include "base/utf8.h"
#include "output/fields.h"

namespace tv::packet {

namespace {

constexpr int WIDTH = 78;
constexpr char FORM_FEED = '\f';

// Material range (always 18 columns), the style name centred, "Quiz Number"
// and the quiz number ending in column 78.
void title_line(Job& job) {
    const Style& s = job.settings;
    const int n = static_cast<int>(utf8::length(job.NAME));
    const int Q2 = job.quiz.Q2;
    auto one_digit_chapter = [&job](int ch) { return job.season.within(ch) < 10; };
    std::string line = material(s, job.season);
    if (one_digit_chapter(s.BCHAP)) line += ' ';
    if (s.BVER < 10) line += ' ';
    if (one_digit_chapter(s.ECHAP)) line += ' ';
    if (s.EVER < 10) line += ' ';
    line += blanks(13 - n / 2) + job.NAME + " Style Quizzing ";
    if (Q2 < 100) line += ' ';
    if (Q2 < 10) line += ' ';
    line += blanks(12 - n / 2);
    if (n % 2 == 0) line += ' ';
    line += rjust("Quiz Number ", 15) + std::to_string(Q2);
    job.out.writeln(line);
}

void head_block(Job& job) {
    title_line(job);
    job.out.writeln(std::string(WIDTH, '_'));
    job.out.writeln();
    job.out.writeln("Type      Question" + rjust("Verse", 60));
    job.out.writeln(std::string(WIDTH, '_'));
    job.st.LINES = 7;
}

// "Page n" from column 1 and "Quiz q" ending in column 78, whatever the number
// of digits of either (the blanks between them give way).
void page_break(Job& job) {
    job.st.PAGE += 1;
    const std::string page = "Page " + std::to_string(job.st.PAGE);
    const std::string quiz = "Quiz " + std::to_string(job.quiz.Q2);
    const int gap = WIDTH - static_cast<int>(page.size() + quiz.size());
    job.out.write(std::string(1, FORM_FEED));
    job.out.writeln(page + blanks(std::max(gap, 1)) + quiz);
    job.out.writeln(std::string(WIDTH, '_'));
    job.st.LINES = 4;
}

// Columns 1-10: the type in 6 columns, the number in 2, ". ".
std::string lead(const std::string& type, int X, int AB) {
    std::string t(utf8::prefix(type, 6));
    pad_to(t, 6);
    return t + number_field(X, AB, 2) + ". ";
}

// Blanks through column 71, the book letter, a blank, the short reference.
void right_end(Job& job, std::string& line, int X) {
    pad_to(line, 71);
    line += job.book_letter(X);
    line += ' ' + short_reference(job.st);
}

void reference_entry(Job& job, int X, bool with_verse) {
    PacketState& st = job.st;
    std::string line = lead(span(st, 7, 8) + "    ", X, job.settings.AB);
    line += "According to " + job.book_name(X) + " chapter " + chapter_text(st);
    if (with_verse) line += " verse " + verse_text(st);
    line += ", ";
    right_end(job, line, X);
    job.out.writeln(line);
    continue_from(job, 9, continue_on_page, true);
}

// The type code of an FTV line: from position 6 (7 after a TAB there) up to
// the next TAB, whose position is returned.
int ftv_code(const PacketState& st, std::string& code) {
    const int from = st.at(6) == '\t' ? 7 : 6;
    const int tab = next_tab(st, from);
    code = span(st, from, tab - 1);
    return tab;
}

void quote_entry(Job& job, int X) {
    PacketState& st = job.st;
    std::string code;
    ftv_code(st, code);
    const std::string name = job.book_name(X);
    std::string line = lead(code, X, job.settings.AB);
    line += "Quote " + name + " chapter " + chapter_text(st) + " verse " + verse_text(st);
    if (one_digit_chapter(st)) line += ' ';
    if (one_digit_verse(st)) line += ' ';
    // The book letter lands in column 72, as on every other line ("Romans": 29 blanks).
    line += blanks(35 - static_cast<int>(utf8::length(name)));
    line += job.book_letter(X);
    line += ' ' + short_reference(st);
    job.out.writeln(line);
    continue_from(job, 11, continue_long_on_page, false);
}

// The first five words of the verse, blanks written as "..." and "." and ","
// left out, then "...".
void ftv_entry(Job& job, int X) {
    PacketState& st = job.st;
    std::string code;
    const int tab = ftv_code(st, code);
    int fifth = A2_SIZE + 1;
    for (int p = tab + 2, seen = 0; p <= A2_SIZE; ++p) {
        if (st.A2[p] == ' ' && ++seen == 5) {
            fifth = p;
            break;
        }
    }
    std::string line = lead(code, X, job.settings.AB);
    for (int p = tab + 1; p < fifth; ++p) {
        const char32_t c = st.A2[p];
        if (c == ' ')
            line += "...";
        else if (c != '.' && c != ',')
            utf8::append(line, c);
    }
    line += "...";
    right_end(job, line, X);
    job.out.writeln(line);
    continue_from(job, fifth, continue_long_on_page, false);
}

void sit_entry(Job& job, int X) {
    PacketState& st = job.st;
    const int brk = sit_break(st);
    std::string line = lead("SIT", X, job.settings.AB) + span(st, 7, brk - 1) + ",";
    pad_to(line, 72);
    line += short_reference(st);
    job.out.writeln(line);
    continue_from(job, brk, continue_long_on_page, false);
}

void regular_entry(Job& job, int X) {
    PacketState& st = job.st;
    const Break b = question_break(st, 66);
    std::string line = lead("", X, job.settings.AB) + span(st, 7, b.brk - 1);
    right_end(job, line, X);
    job.out.writeln(line);
    continue_from(job, b.brk, continue_on_page, false);
}

void entry(Job& job, int X) {
    fill_buffer(job.st, job.quiz, X);
    switch (job.type_of(X)) {
    case 'R': reference_entry(job, X, true); break;
    case 'O': reference_entry(job, X, false); break;
    case 'F':
        if (job.st.at(7) == 'Q')
            quote_entry(job, X);
        else
            ftv_entry(job, X);
        break;
    case 'S': sit_entry(job, X); break;
    default: regular_entry(job, X); break;
    }
}

}  // namespace

void page_layout(Job& job) {
    const int LPP = job.settings.LPP;
    job.st.PAGE = 1;
    head_block(job);
    for (int X = 1; X <= job.SECTORS; ++X) {
        job.out.writeln();
        entry(job, X);
        // The empty line and the question's first line: counting the empty line only
        // let a page run past its Lines/Pg by a line for every question on it.
        job.st.LINES += 2;
        if (X == job.SECTORS) break;
        const char next = job.type_of(X + 1);
        if (job.st.LINES > LPP - 6 || (job.st.LINES > LPP - 10 && (next == 'F' || next == 'S')))
            page_break(job);
    }
    job.out.write(std::string(1, FORM_FEED));
}

}  // namespace tv::packet
