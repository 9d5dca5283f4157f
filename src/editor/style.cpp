#include "editor/style.h"



namespace tv {

namespace {


// One letter, then the rest of the line skipped.
char read_letter(TextReader& in) {
    char c = in.read_char();
    in.skip_line();
    return c == '\n' ? ' ' : c;
}

int read_number(TextReader& in) {
    long n = in.read_int();
    in.skip_line();
    return static_cast<int>(n);
}

void to_book(int& chapter, std::string& book, int& offset) {
    offset = 0;
    book = " R";
    if (chapter >= 17) {
        book = " J";
        chapter -= JAMES_OFFSET;
        offset = JAMES_OFFSET;
    }
}

}  // namespace

EditorStyle to_editor(const Style& s) {
    EditorStyle e;
    static_cast<Style&>(e) = s;
    to_book(e.BCHAP, e.BBK, e.ADDB);
    to_book(e.ECHAP, e.EBK, e.ADDE);
    return e;
}

Style to_absolute(const EditorStyle& e) {
    Style s = e;
    if (e.BBK == " J") s.BCHAP += JAMES_OFFSET;
    if (e.EBK == " J") s.ECHAP += JAMES_OFFSET;
    return s;
}

Style read_style(TextReader& in) {
    Style s;
    s.LG = read_letter(in);
    s.BCHAP = static_cast<int>(in.read_int());
    s.BVER = read_number(in);
    s.ECHAP = static_cast<int>(in.read_int());
    s.EVER = read_number(in);
    s.NAME4 = in.read_line(14);
    s.LPP = read_number(in);
    s.OUT = read_letter(in);
    s.QMAX = read_number(in);
    s.REGLST = read_letter(in);
    s.AB = read_number(in);
    s.IPC = read_number(in);
    s.INDX = read_letter(in);
    s.QNUM = read_number(in);
    s.SEC1 = read_letter(in);
    s.REPEATPCT = read_number(in);
    for (int* v : {&s.SPMAX, &s.SPMIN, &s.FMAX, &s.FMIN, &s.RMAX, &s.RMIN, &s.OMAX, &s.OMIN,
                   &s.SMAX, &s.SMIN, &s.PRIMPCT, &s.SPEARLY, &s.SPLATE})
        *v = read_number(in);
    s.SETSPC = read_letter(in);
    s.TYP = in.read_line(30);
    return s;
}

EditorStyle READIN(const Files& files, const std::string& file_name) {
    TextReader in = files.read(file_name);
    return to_editor(read_style(in));
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

std::string style_file_name(const std::string& name) { return (name + ".spe").substr(0, 14); }

void write_handoff(const Files& files, const std::string& name) {
    TextWriter out = files.create(HANDOFF_FILE);
    out.writeln(name);
    out.close();
}

std::string read_handoff(const Files& files) {
    TextReader in = files.read(HANDOFF_FILE);
    return in.read_line(14);
}

}  // namespace tv
