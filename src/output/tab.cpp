// The tab layout: one line per position, fields separated by TABs, for a word
// processor; "<pb>" after each quiz.
#include <algorithm>
#include <string>

#include "base/utf8.h"
#include "output/fields.h"

namespace tv::packet {

namespace {

void quiz_header(Job& job) {
    job.out.writeln("Quiz " + std::to_string(job.quiz.Q2) + "\t\t" + job.NAME +
                    " Style Quizzing\t" + material(job.settings, job.season));
    job.out.writeln();
    job.out.writeln("Number\tType\tQuestion\tAnswer\tVerse");
}

// The last position of the text that starts at `start`: before the first run of
// three blanks, or the end of the buffer.
int text_end(const PacketState& st, int start) {
    for (int p = start; p + 2 <= A2_SIZE; ++p)
        if (st.A2[p] == ' ' && st.A2[p + 1] == ' ' && st.A2[p + 2] == ' ') return p - 1;
    return A2_SIZE;
}

void tab_line(Job& job, int X) {
    PacketState& st = job.st;
    fill_buffer(st, job.quiz, X);
    const char type = job.type_of(X);
    const char book = job.book_letter(X);
    const bool quote = type == 'F' && st.at(7) == 'Q';

    std::string line = X <= job.settings.AB ? rjust(std::to_string(X), 2) : "";
    line += '\t';
    int start = 7;
    if (type == 'R' || type == 'O' || type == 'F') {
        int tab = 7;
        while (tab <= 11 && st.A2[tab] != '\t') ++tab;
        line += span(st, 7, tab - 1);
        start = tab <= 11 ? tab + 1 : 12;
    } else if (type == 'S') {
        line += "SIT";
    }
    line += '\t';
    const int end = text_end(st, start);

    const std::string name = job.book_name(X);
    if (quote)
        line +=
            "Quote " + name + " chapter " + chapter_text(st) + " verse " + verse_text(st) + ".\t";
    else if (type == 'R')
        line += "According to " + name + " chapter " + chapter_text(st) + " verse " +
                verse_text(st) + ", ";
    else if (type == 'O')
        line += "According to " + name + " chapter " + chapter_text(st) + ", ";

    line.reserve(line.size() + static_cast<size_t>(std::max(end - start + 1, 0)) + 16);
    int words = 0;
    bool star_seen = false;
    // Only FTV (not quote) and SIT text is changed on the way; other text goes as it stands.
    const bool as_it_stands = (type != 'F' || quote) && type != 'S';
    if (as_it_stands && start <= end)
        utf8::append(line, std::u32string_view(st.A2).substr(start, end - start + 1));
    for (int p = start; p <= end && !as_it_stands; ++p) {
        const char32_t c = st.A2[p];
        if (type == 'F' && !quote && c == ' ' && words < 5) {
            line += "...";
            if (++words == 5) line += '\t';
        } else if (type == 'S' && c == '*' && !star_seen) {
            line += "\t*";
            star_seen = true;
        } else if (type == 'S' && c == '\t') {
            line += "  ";
        } else {
            utf8::append(line, c);
        }
    }
    line += "\t(";
    line += book;
    line += ' ' + span(st, 1, 5) + ")";
    job.out.writeln(line);
}

}  // namespace

void tab_layout(Job& job) {
    quiz_header(job);
    for (int X = 1; X <= job.SECTORS; ++X) tab_line(job, X);
    job.out.writeln("<pb>");
}

}  // namespace tv::packet
