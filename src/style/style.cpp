#include "style/style.h"

#include <algorithm>
#include <cctype>

#include "style/layouts.h"

namespace tv {

namespace {


// One letter, then the rest of the line skipped. Letters are kept in upper case,
// so that a file edited by hand with "n" or "c" means what "N" or "C" means.
char read_letter(TextReader& in) {
    char c = in.read_char();
    in.skip_line();
    return c == '\n' ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

int read_number(TextReader& in) {
    long n = in.read_int();
    in.skip_line();
    return static_cast<int>(n);
}

void to_book(const Season& season, int& chapter, std::string& book, int& offset) {
    const Book& b = season.book_of(chapter);
    offset = b.offset;
    book = std::string(" ") + b.letter;
    chapter -= offset;
}

}  // namespace

int SPECS(const Style& s) { return s.FMAX + s.RMAX + s.OMAX + s.SMAX; }

EditorStyle to_editor(const Style& s, const Season& season) {
    EditorStyle e;
    static_cast<Style&>(e) = s;
    to_book(season, e.BCHAP, e.BBK, e.ADDB);
    to_book(season, e.ECHAP, e.EBK, e.ADDE);
    return e;
}

Style to_absolute(const EditorStyle& e) {
    Style s = e;
    s.BCHAP += e.ADDB;
    s.ECHAP += e.ADDE;
    return s;
}

Style read_style(TextReader& in) {
    // Every one of the 29 lines must be there: a file cut short is named, not guessed at.
    auto line = [&](int n) -> TextReader& {
        if (in.eof())
            throw IoError("read", in.name(), "the file ends before line " + std::to_string(n) +
                                                 "; a style file has 29 lines", in.line_no());
        return in;
    };
    Style s;
    s.LG = read_letter(line(1));
    s.BCHAP = static_cast<int>(line(2).read_int());
    s.BVER = read_number(in);
    s.ECHAP = static_cast<int>(line(3).read_int());
    s.EVER = read_number(in);
    s.NAME4 = line(4).read_line(14);
    s.LPP = read_number(line(5));
    s.OUT = read_letter(line(6));
    s.QMAX = read_number(line(7));
    s.REGLST = read_letter(line(8));
    s.AB = read_number(line(9));
    s.IPC = read_number(line(10));
    s.INDX = read_letter(line(11));
    s.QNUM = read_number(line(12));
    s.SEC1 = read_letter(line(13));
    s.REPEATPCT = read_number(line(14));
    int n = 15;
    for (int* v : {&s.SPMAX, &s.SPMIN, &s.FMAX, &s.FMIN, &s.RMAX, &s.RMIN, &s.OMAX, &s.OMIN,
                   &s.SMAX, &s.SMIN, &s.PRIMPCT, &s.SPEARLY, &s.SPLATE})
        *v = read_number(line(n++));
    s.SETSPC = read_letter(line(28));
    s.TYP = line(29).read_line(30);
    // A CR that ends a text cut from a longer line would be written back before the
    // line end and read as part of it: it is taken as the line end now.
    for (std::string* text : {&s.NAME4, &s.TYP})
        while (!text->empty() && text->back() == '\r') text->pop_back();
    // A position-type line cut short reads as regular positions at its end.
    if (s.TYP.size() < 30) s.TYP.resize(30, 'n');
    return s;
}

EditorStyle READIN(const Files& files, const std::string& file_name, const Season& season) {
    TextReader in = files.read(file_name);
    return to_editor(read_style(in), season);
}

void write_style_head(TextWriter& out, const Style& s) {
    auto letter = [&](char c) { out.writeln(std::string(1, c)); };
    auto number = [&](int n) { out.writeln(std::to_string(n)); };
    letter(s.LG);
    out.writeln(std::to_string(s.BCHAP) + " " + std::to_string(s.BVER));
    out.writeln(std::to_string(s.ECHAP) + " " + std::to_string(s.EVER));
    out.writeln(s.NAME4);
    number(s.LPP);
    letter(s.OUT);
    number(s.QMAX);
    letter(s.REGLST);
    number(s.AB);
    number(s.IPC);
    letter(s.INDX);
    number(s.QNUM);
    letter(s.SEC1);
    number(s.REPEATPCT);
    for (int v : {s.SPMAX, s.SPMIN, s.FMAX, s.FMIN, s.RMAX, s.RMIN, s.OMAX, s.OMIN, s.SMAX,
                  s.SMIN, s.PRIMPCT, s.SPEARLY, s.SPLATE})
        number(v);
    letter(s.SETSPC);
}

void write_style_typ(TextWriter& out, const std::string& typ) { out.writeln(typ); }

namespace {

std::string range_problem(const std::string& label, int value, int low, int high) {
    if (value >= low && value <= high) return "";
    return label + " is " + std::to_string(value) + "; it must be " + std::to_string(low) +
           " to " + std::to_string(high);
}

std::string letter_problem(const std::string& label, char value, const std::string& allowed) {
    char up = static_cast<char>(std::toupper(static_cast<unsigned char>(value)));
    if (allowed.find(up) != std::string::npos) return "";
    std::string text = label + " is \"";
    text += value;
    text += "\"; it must be one of ";
    for (size_t i = 0; i < allowed.size(); ++i) {
        if (i > 0) text += ", ";
        text += allowed[i];
    }
    return text;
}

// Chapters are numbered across the books: the message says where the later books begin.
std::string verse_problem(const Season& season, const std::string& label, int chapter, int verse) {
    if (chapter >= 1 && chapter <= season.chapters())
        return range_problem(label + " verse", verse, 1, season.verses(chapter));
    std::string books;
    for (const Book& b : season.books) {
        if (b.offset == 0) continue;
        books += (books.empty() ? " (" : ", ") + b.name + " 1-" + std::to_string(b.chapters()) +
                 " are " + std::to_string(b.offset + 1) + "-" + std::to_string(b.offset + b.chapters());
    }
    if (!books.empty()) books += ")";
    return label + " chapter is " + std::to_string(chapter) + "; it must be 1 to " +
           std::to_string(season.chapters()) + books;
}

}  // namespace

std::vector<SettingProblem> settings_out_of_range(const Style& s, const Season& season) {
    bool name_ok = !s.NAME4.empty() && std::all_of(s.NAME4.begin(), s.NAME4.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0;
    });
    using P = SettingProblem;
    const auto number = [](std::string text, int Style::*n) { return P{std::move(text), n}; };
    const auto letter = [](std::string text, char Style::*l) { return P{std::move(text), nullptr, l}; };
    const bool chapter_ok = s.BCHAP >= 1 && s.BCHAP <= season.chapters();
    // Refused: what would take a run outside its tables (chapters, verses, positions,
    // quizzes, specialty counts) or its folder, and letters that choose nothing. Lines/Pg,
    // A and B, the percentages and Pct Prim FTV are used as the file holds them.
    const P problems[] = {
        number(verse_problem(season, "Begin", s.BCHAP, s.BVER), chapter_ok ? &Style::BVER : &Style::BCHAP),
        number(verse_problem(season, "End", s.ECHAP, s.EVER),
               s.ECHAP >= 1 && s.ECHAP <= season.chapters() ? &Style::EVER : &Style::ECHAP),
        number(s.BCHAP > s.ECHAP || (s.BCHAP == s.ECHAP && s.BVER > s.EVER)
                   ? "the material ends before it begins" : "",
               &Style::BCHAP),
        P{name_ok ? "" : "Name of Output File \"" + s.NAME4 + "\" must be letters and digits",
          nullptr, nullptr, true},
        letter(letter_problem(layout_label(), s.OUT, layout_letters()), &Style::OUT),
        number(range_problem("Number of Questions per pack", s.QMAX, 2, 30), &Style::QMAX),
        letter(letter_problem("Reg (a/b/c)", s.REGLST, "ABC"), &Style::REGLST),
        letter(letter_problem("Reindex (y/n)", s.INDX, "YN"), &Style::INDX),
        number(range_problem("Number of Quizzes in this Run", s.QNUM, 1, 100), &Style::QNUM),
        letter(letter_problem("Sector by Chp/Vrs/Que (c/v/q)", s.SEC1, "CVQ"), &Style::SEC1),
        number(range_problem("Total Max", s.SPMAX, 0, 20), &Style::SPMAX),
        number(range_problem("Total Min", s.SPMIN, 0, s.SPMAX), &Style::SPMIN),
        number(range_problem("FTV Type Max", s.FMAX, 0, 10), &Style::FMAX),
        number(range_problem("FTV Type Min", s.FMIN, 0, s.FMAX), &Style::FMIN),
        number(range_problem("CV Ref Max", s.RMAX, 0, 10), &Style::RMAX),
        number(range_problem("CV Ref Min", s.RMIN, 0, s.RMAX), &Style::RMIN),
        number(range_problem("CO Ref Max", s.OMAX, 0, 10), &Style::OMAX),
        number(range_problem("CO Ref Min", s.OMIN, 0, s.OMAX), &Style::OMIN),
        number(range_problem("Situation Max", s.SMAX, 0, 10), &Style::SMAX),
        number(range_problem("Situation Min", s.SMIN, 0, s.SMAX), &Style::SMIN),
        number(range_problem("Specialties may appear (first)", s.SPEARLY, 1, 30), &Style::SPEARLY),
        number(range_problem("Specialties may appear (to)", s.SPLATE, std::max(s.SPEARLY, 1), 30),
               &Style::SPLATE),
        letter(letter_problem("Set Specialty Quest nos (y/n)", s.SETSPC, "YN"), &Style::SETSPC),
        // The position-type line has no field: saving a style writes it anew.
        P{s.TYP.find_first_not_of("nAFROS") == std::string::npos
              ? "" : "the position-type line \"" + s.TYP + "\" holds letters other than n, A, F, R, O, S"},
    };
    std::vector<P> found;
    for (const P& p : problems)
        if (!p.text.empty()) found.push_back(p);
    return found;
}

std::string setting_out_of_range(const Style& s, const Season& season) {
    const std::vector<SettingProblem> found = settings_out_of_range(s, season);
    return found.empty() ? "" : found.front().text;
}

bool is_style_name(const std::string& name) {
    return !name.empty() && name.size() <= MAX_STYLE_NAME &&
           std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

std::string style_file_name(const std::string& name) {
    if (!is_style_name(name))
        throw IoError("use", name, "a style name is 1 to " + std::to_string(MAX_STYLE_NAME) +
                                       " letters and digits, the name of a file of this folder",
                      0, "as a style name");
    return name + ".spe";
}

void write_handoff(const Files& files, const std::string& name) {
    TextWriter out = files.create(HANDOFF_FILE);
    out.writeln(name);
    out.close();
}

std::string read_handoff(const Files& files) {
    TextReader in = files.read(HANDOFF_FILE);
    return in.read_line(MAX_STYLE_NAME);
}

}  // namespace tv
