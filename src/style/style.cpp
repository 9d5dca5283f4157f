#include "style/style.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "style/settings.h"

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

int fixed_specialty_count(const Style& s) { return s.FMAX + s.RMAX + s.OMAX + s.SMAX; }

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
    Style s;
    for (const SettingRow& row : setting_rows()) {
        // Every line must be there: a file cut short is named, not guessed at.
        if (row.written != Written::Verse && in.eof())
            throw IoError("read", in.name(),
                          "the file ends before line " + std::to_string(row.line) +
                              "; a style file has " + std::to_string(style_lines()) + " lines",
                          in.line_no());
        switch (row.written) {
        case Written::Letter: s.*row.letter = read_letter(in); break;
        case Written::Chapter: s.*row.number = static_cast<int>(in.read_int()); break;
        case Written::Number:
        case Written::Verse: s.*row.number = read_number(in); break;
        case Written::Text: {
            std::string& text = s.*row.text;
            text = in.read_line(row.width);
            // A CR that ends a text cut from a longer line would be written back before
            // the line end and read as part of it: it is taken as the line end now.
            while (!text.empty() && text.back() == '\r') text.pop_back();
            break;
        }
        }
    }
    // A position-type line cut short reads as regular positions at its end.
    if (s.TYP.size() < 30) s.TYP.resize(30, 'n');
    return s;
}

EditorStyle read_style_file(const Files& files, const std::string& file_name,
                            const Season& season) {
    TextReader in = files.read(file_name);
    return to_editor(read_style(in), season);
}

void write_style_head(TextWriter& out, const Style& s) {
    std::string chapter;  // the first number of a place, written with its verse
    for (const SettingRow& row : setting_rows()) {
        switch (row.written) {
        case Written::Letter: out.writeln(std::string(1, s.*row.letter)); break;
        case Written::Number: out.writeln(std::to_string(s.*row.number)); break;
        case Written::Chapter: chapter = std::to_string(s.*row.number) + " "; break;
        case Written::Verse: out.writeln(chapter + std::to_string(s.*row.number)); break;
        case Written::Text:
            if (row.rule != Rule::PositionTypes) out.writeln(s.*row.text);
            break;
        }
    }
}

void write_style_typ(TextWriter& out, const std::string& typ) { out.writeln(typ); }

namespace {

std::string range_problem(const std::string& label, int value, int low, int high) {
    if (value >= low && value <= high) return "";
    return label + " is " + std::to_string(value) + "; it must be " + std::to_string(low) + " to " +
           std::to_string(high);
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

// A number outside its row's limits, a letter outside its row's letters.
SettingProblem limits_problem(const SettingRow& row, const Style& s) {
    if (row.letter)
        return {!row.letters.empty() ? letter_problem(row.label, s.*row.letter, row.letters) : "",
                nullptr, row.letter};
    if (!row.number) return {};
    return {range_problem(row.label, s.*row.number, lowest(row.range, s), highest(row.range, s)),
            row.number};
}

// A place of the material: chapter and verse inside the season's books. Chapters are
// numbered across the books: the message says where the later books begin.
SettingProblem place_problem(const Season& season, const SettingRow& chapter_row,
                             const SettingRow& verse_row, const Style& s) {
    const int chapter = s.*chapter_row.number;
    if (chapter >= 1 && chapter <= season.chapters())
        return {range_problem(verse_row.label, s.*verse_row.number, 1, season.verses(chapter)),
                verse_row.number};
    std::string books;
    for (const Book& b : season.books) {
        if (b.offset == 0) continue;
        books += (books.empty() ? " (" : ", ") + b.name + " 1-" + std::to_string(b.chapters()) +
                 " are " + std::to_string(b.offset + 1) + "-" +
                 std::to_string(b.offset + b.chapters());
    }
    if (!books.empty()) books += ")";
    return {std::string(chapter_row.label) + " is " + std::to_string(chapter) +
                "; it must be 1 to " + std::to_string(season.chapters()) + books,
            chapter_row.number};
}

SettingProblem order_problem(const Style& s) {
    const bool reversed = s.BCHAP > s.ECHAP || (s.BCHAP == s.ECHAP && s.BVER > s.EVER);
    return {reversed ? "the material ends before it begins" : "", &Style::BCHAP};
}

SettingProblem file_name_problem(const SettingRow& row, const Style& s) {
    const std::string& name = s.*row.text;
    const bool ok = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0;
    });
    return {ok ? "" : std::string(row.label) + " \"" + name + "\" must be letters and digits",
            nullptr, nullptr, row.text};
}

// The position-type line has no field: saving a style writes it anew.
SettingProblem position_types_problem(const SettingRow& row, const Style& s) {
    const std::string& typ = s.*row.text;
    return {
        typ.find_first_not_of("nAFROS") == std::string::npos
            ? ""
            : std::string(row.label) + " \"" + typ + "\" holds letters other than n, A, F, R, O, S",
        nullptr, nullptr, row.text};
}

}  // namespace

std::vector<SettingProblem> specialty_range_problems(const Style& s) {
    std::vector<SettingProblem> found;
    for (const SettingRow& row : setting_rows())
        if (row.rule == Rule::Specialty)
            if (SettingProblem p = limits_problem(row, s); !p.text.empty())
                found.push_back(std::move(p));
    // A style file edited by hand may hold numbers of up to nine digits: the sums of
    // four of them are taken wide enough.
    using Wide = long long;
    const Wide minima = Wide{s.FMIN} + s.RMIN + s.OMIN + s.SMIN;
    const Wide maxima = Wide{s.FMAX} + s.RMAX + s.OMAX + s.SMAX;
    if (minima > s.SPMIN)
        found.push_back({"The four specialty minima add up to " + std::to_string(minima) +
                             ", more than the Total Min of " + std::to_string(s.SPMIN),
                         &Style::SPMIN, nullptr, nullptr, true});
    if (maxima < s.SPMAX)
        found.push_back({"The four specialty maxima add up to " + std::to_string(maxima) +
                             ", fewer than the Total Max of " + std::to_string(s.SPMAX),
                         &Style::SPMAX, nullptr, nullptr, true});
    return found;
}

std::vector<SettingProblem> settings_out_of_range(const Style& s, const Season& season) {
    std::vector<SettingProblem> found;
    const auto add = [&](SettingProblem p) {
        if (!p.text.empty()) found.push_back(std::move(p));
    };
    const std::span<const SettingRow> rows = setting_rows();
    bool specialties_told = false;
    for (size_t i = 0; i < rows.size(); ++i) {
        const SettingRow& row = rows[i];
        switch (row.rule) {
        case Rule::Limits: add(limits_problem(row, s)); break;
        case Rule::Place: add(place_problem(season, row, rows[i + 1], s)); break;
        case Rule::EndPlace:
            add(place_problem(season, row, rows[i + 1], s));
            add(order_problem(s));
            break;
        case Rule::FileName: add(file_name_problem(row, s)); break;
        // The ranges one by one; their sums are rules of the form and of the patterns.
        case Rule::Specialty:
            if (!std::exchange(specialties_told, true))
                for (SettingProblem& p : specialty_range_problems(s))
                    if (!p.across) add(std::move(p));
            break;
        case Rule::PositionTypes: add(position_types_problem(row, s)); break;
        }
    }
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
        throw IoError("use", name,
                      "a style name is 1 to " + std::to_string(MAX_STYLE_NAME) +
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
