#include "output/fields.h"

#include <algorithm>

#include "base/utf8.h"

namespace tv::packet {

char Job::type_of(int X) const {
    return X >= 1 && X <= static_cast<int>(quiz.TYP.size()) ? quiz.TYP[X - 1] : 'n';
}

void fill_buffer(PacketState& st, const QuizTables& quiz, int X) {
    constexpr size_t FIRST_PART = 254;
    st.A2.resize(A2_SIZE + 2);  // the buffer keeps its room from position to position
    // Up to `max` characters of `text` from position `at` on, decoded in place, then
    // blanks to the end of the part.
    auto put = [&st](std::string_view text, size_t at, size_t max) {
        size_t i = 0, k = 0;
        const size_t ascii = std::min(utf8::ascii_prefix(text.substr(0, max)), max);
        for (; k < ascii; ++k) st.A2[at + k] = static_cast<unsigned char>(text[k]);
        for (i = k; k < max && i < text.size(); ++k) st.A2[at + k] = utf8::next(text, i);
        std::fill(st.A2.begin() + static_cast<long>(at + k),
                  st.A2.begin() + static_cast<long>(at + max), U' ');
    };
    st.A2[0] = U' ';
    put(quiz.ALL[X], 1, FIRST_PART);
    put(quiz.ALL2[X], FIRST_PART + 1, A2_SIZE - FIRST_PART);
    st.A2[A2_SIZE + 1] = U' ';
}

std::string blanks(int n) { return std::string(std::max(n, 0), ' '); }

std::string rjust(const std::string& s, int width) {
    return blanks(width - static_cast<int>(utf8::length(s))) + s;
}

void pad_to(std::string& line, int col) {
    line += blanks(col - static_cast<int>(utf8::length(line)));
}

std::string number_field(int X, int AB, int width) {
    return X <= AB ? rjust(std::to_string(X), width) : blanks(width);
}

// A letter of no book (a question line outside the material) names the last book.
std::string Job::book_name(int X) const {
    for (const Book& b : season.books)
        if (b.letter == book_letter(X)) return b.name;
    return season.books.back().name;
}

std::string span(const PacketState& st, int from, int to) {
    std::string s;
    if (from >= 1 && to <= A2_SIZE) {
        if (from <= to) utf8::append(s, std::u32string_view(st.A2).substr(from, to - from + 1));
        return s;
    }
    for (int p = from; p <= to; ++p) utf8::append(s, st.at(p));
    return s;
}

std::string chapter_text(const PacketState& st) {
    return one_digit_chapter(st) ? span(st, 2, 2) : span(st, 1, 2);
}

std::string verse_text(const PacketState& st) {
    return one_digit_verse(st) ? span(st, 5, 5) : span(st, 4, 5);
}

bool one_digit_chapter(const PacketState& st) { return st.at(1) == ' '; }
bool one_digit_verse(const PacketState& st) { return st.at(4) == ' '; }

std::string short_reference(const PacketState& st) { return span(st, 1, 2) + ":" + span(st, 4, 5); }

std::string material(const Style& s, const Season& season) {
    auto end = [&season](int chapter, int verse) {
        return std::string(1, season.book_of(chapter).letter) + " " +
               std::to_string(season.within(chapter)) + ":" + std::to_string(verse);
    };
    return end(s.BCHAP, s.BVER) + " to " + end(s.ECHAP, s.EVER);
}

int next_tab(const PacketState& st, int from) {
    for (int p = std::max(from, 1); p <= A2_SIZE; ++p)
        if (st.A2[p] == '\t') return p;
    return A2_SIZE + 1;
}

Break question_break(PacketState& st, int last) {
    Break b{6, false};
    int p = 7;
    do {
        ++p;
        if (st.A2[p] == '\t') st.A2[p] = ' ';
        if (st.A2[p] == ' ') b.brk = p;
        b.at_question = st.A2[p - 1] == '?';
    } while (p < last && !b.at_question);
    return b;
}

int sit_break(PacketState& st) {
    int end = A2_SIZE;
    while (end >= 7 && (st.A2[end] == ' ' || st.A2[end] == '\t')) --end;
    int brk = 6;
    for (int p = 8; p <= end; ++p) {
        if (st.A2[p] == '\t') st.A2[p] = ' ';
        if (st.A2[p] == ' ') brk = p;
        const char32_t next = st.at(p + 1);
        if (next == '"' || next == '\'' || next == U'\u201C' || next == U'\u2018') return brk;
    }
    return std::max(end, 6) + 1;
}

void continue_from(Job& job, int mark, Printer printer, bool always) {
    job.st.MARK1 = mark;
    job.st.X5 = 0;
    if (always || job.st.at(mark + 1) != ' ') printer(job.out, job.st);
}

}  // namespace tv::packet
