// The verse index: counting the question files per verse, writing the count file,
// reading it back, and the material step of a run that ties them together.
#include <algorithm>
#include <filesystem>
#include <memory>

#include "bank/bank.h"

namespace tv {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool is_empty_line(std::string_view line) {
    for (char c : line)
        if (!is_blank(c)) return false;
    return true;
}

std::string place(int chapter, int verse) {
    return "chapter " + std::to_string(chapter) + " verse " + std::to_string(verse);
}

}  // namespace

namespace {

// A number written in two columns: a digit, after a blank or a digit.
bool two_columns(std::string_view field) {
    return field.size() == 2 && is_digit(field[1]) && (field[0] == ' ' || is_digit(field[0]));
}

int two_column_value(std::string_view field) {
    return field[1] - '0' + (field[0] == ' ' ? 0 : 10 * (field[0] - '0'));
}

// The limits a question line is checked against, asked of the season once per file.
struct Limits {
    const Season& season;
    int chapters, rows;
    explicit Limits(const Season& s) : season(s), chapters(s.chapters()), rows(s.rows()) {}
};

// A verse the chapter does not have ("Matthew 14 has 36 verses"), or "" when it has it.
// Its questions would be counted where no sector ever reaches them.
std::string verse_out_of_chapter(const Season& season, int chapter, int verse) {
    const int verses = season.verses(chapter);
    if (verse >= 1 && verse <= verses) return "";
    const std::string where =
        season.book_of(chapter).name + " " + std::to_string(season.within(chapter));
    return verse < 1 ? where + " has no verse 0"
                     : where + " has " + std::to_string(verses) + " verses";
}

QuestionRef read_question_ref(std::string_view line, const Limits& season) {
    QuestionRef r;
    if (is_empty_line(line)) {
        r.problem = "the line is empty";
        return r;
    }
    // Columns 1-2: the chapter, a blank or a zero before a single digit.
    const std::string_view field = line.substr(0, 2);
    if (!two_columns(field)) {
        r.problem = "the chapter field \"" + std::string(field) + "\" is not a number";
        return r;
    }
    r.chapter = two_column_value(field);
    if (r.chapter < 1 || r.chapter > season.chapters) {
        r.problem = "chapter " + std::to_string(r.chapter) + " is outside 1-" +
                    std::to_string(season.chapters);
        return r;
    }
    // Column 3 is a separator, whatever it holds. Columns 4-5: the verse, written as
    // the chapter is; then a blank, a TAB or the end of the line. A verse in other
    // columns would shift the question text, so it is refused, not guessed.
    const std::string_view verse = line.size() > 3 ? line.substr(3, 2) : "";
    if (is_empty_line(verse)) {
        r.problem = "the line has no verse number";
        return r;
    }
    if (!two_columns(verse)) {
        r.problem = "the verse field \"" + std::string(verse) + "\" is not a number";
        return r;
    }
    if (line.size() > 5 && !is_blank(line[5])) {
        r.problem =
            "the verse field \"" + std::string(line.substr(3, 3)) + "\" is wider than columns 4-5";
        return r;
    }
    r.verse = two_column_value(verse);
    r.problem = verse_out_of_chapter(season.season, r.chapter, r.verse);
    if (!r.problem.empty()) r.verse = 0;
    return r;
}

}  // namespace

QuestionRef read_question_ref(std::string_view line, const Season& season) {
    return read_question_ref(line, Limits(season));
}

std::string question_code_problem(std::string_view line, QuestionKind kind) {
    if (kind == QuestionKind::Regular) return "";
    // The code begins in column 7 whatever column 6 holds.
    const std::string_view rest = line.size() > 6 ? line.substr(6) : "";
    const size_t tab = rest.find('\t');
    const std::string_view code = rest.substr(0, tab);
    // Named in a message: a line without a TAB is not all code.
    auto named = [&code] {
        return "\"" + std::string(code.substr(0, 12)) + (code.size() > 12 ? "...\"" : "\"");
    };
    if (kind == QuestionKind::Ftv) {
        // Column 9 is the FTV kind, and the layouts show at most five characters of
        // the code; a quote's text begins in column 12, after a code of four.
        if (tab == std::string_view::npos) return "the FTV code " + named() + " ends at no TAB";
        if (!code.empty() && code[0] == 'Q' && code.size() != 4)
            return "the quote code " + named() + " is not four characters (such as QTa1)";
        if (code.size() < 3 || code.size() > 5)
            return "the FTV code " + named() + " is not three to five characters (such as F1a)";
        return "";
    }
    const std::string_view want = kind == QuestionKind::CvRef ? "CV" : "CO";
    if (code == want && tab == 2) return "";
    return "the code " + named() + " is unknown: a line of this file has " + std::string(want) +
           " in columns 7-8, then a TAB";
}

namespace {

// Counts the questions of one file per verse into `table`, checking every line. The
// first line refused is an IoError; with `problems`, every line refused is added to it
// instead and the counting goes on.
void count_file(const QuestionFile& file, QuestionKind kind, const Limits& season,
                VerseCounts& table, std::vector<IoError>* problems = nullptr) {
    const std::string& name = file.name();
    auto refuse = [&](const std::string& why, int k) {
        IoError e("index", name, why, k);
        if (problems == nullptr) throw e;
        problems->push_back(std::move(e));
    };
    // Empty lines after the last question are harmless: no reader ever gets to them.
    // A file whose reading stopped at a blank line ends with it: that line is refused.
    int last = file.size();
    if (!file.blank_before_end())
        while (last >= 1 && is_empty_line(file.text(last))) --last;
    if (last == 0) refuse("the file holds no question", 0);

    int prev_chapter = 0, prev_verse = 0;
    for (int k = 1; k <= last; ++k) {
        const QuestionRef r = read_question_ref(file.text(k), season);
        if (!r.problem.empty()) {
            refuse(r.problem, k);
            continue;
        }
        if (const std::string code = question_code_problem(file.text(k), kind); !code.empty())
            refuse(code, k);
        if (r.chapter < prev_chapter || (r.chapter == prev_chapter && r.verse < prev_verse))
            refuse(place(r.chapter, r.verse) + " comes after " + place(prev_chapter, prev_verse) +
                       ": the lines must be sorted by chapter and verse",
                   k);
        int& count = table[r.chapter][r.verse];
        if (count == MAX_PER_VERSE)
            refuse("more than " + std::to_string(MAX_PER_VERSE) + " questions for " +
                       place(r.chapter, r.verse),
                   k);
        else
            ++count;
        prev_chapter = r.chapter;
        prev_verse = r.verse;
    }
}

// Every count of every verse, SIT included: the bank has no SIT file, so a kept
// index must hold 0 there as a built one does.
bool same_counts(const BankTables& a, const BankTables& b) {
    return a.QCOUNT == b.QCOUNT && a.FCOUNT == b.FCOUNT && a.RCOUNT == b.RCOUNT &&
           a.OCOUNT == b.OCOUNT && a.SCOUNT == b.SCOUNT;
}

}  // namespace

RunBank read_bank(const Files& files, const BankNames& names) {
    return RunBank{QuestionFile::load(files, names.F3), QuestionFile::load(files, names.F4),
                   QuestionFile::load(files, names.F5), QuestionFile::load(files, names.F6)};
}

void count_questions(const RunBank& bank, const Season& season, BankTables& t) {
    t.QCOUNT = t.FCOUNT = t.RCOUNT = t.OCOUNT = VerseCounts{};
    const Limits limits(season);
    count_file(bank.F3, QuestionKind::Regular, limits, t.QCOUNT);
    count_file(bank.F4, QuestionKind::Ftv, limits, t.FCOUNT);
    count_file(bank.F5, QuestionKind::CvRef, limits, t.RCOUNT);
    count_file(bank.F6, QuestionKind::CoRef, limits, t.OCOUNT);
}

std::vector<IoError> question_line_problems(const QuestionFile& file, QuestionKind kind,
                                            const Season& season) {
    std::vector<IoError> problems;
    const auto table = std::make_unique<VerseCounts>();
    count_file(file, kind, Limits(season), *table, &problems);
    return problems;
}

void check_question_lines(const RunBank& bank, const Season& season) {
    const auto table = std::make_unique<VerseCounts>();
    const Limits limits(season);
    count_file(bank.F3, QuestionKind::Regular, limits, *table);
    *table = VerseCounts{};
    count_file(bank.F4, QuestionKind::Ftv, limits, *table);
    *table = VerseCounts{};
    count_file(bank.F5, QuestionKind::CvRef, limits, *table);
    *table = VerseCounts{};
    count_file(bank.F6, QuestionKind::CoRef, limits, *table);
}

void write_index(const Files& files, const std::string& count_file, const Season& season,
                 const BankTables& t) {
    TextWriter out = files.replace_safely(count_file);
    const int chapters = season.chapters(), rows = season.rows();
    std::string line;
    for (int CH = 1; CH <= chapters; ++CH) {
        for (int V = 1; V <= rows; ++V) {
            line.clear();
            for (int n :
                 {CH, V, t.QCOUNT[CH][V], t.FCOUNT[CH][V], t.RCOUNT[CH][V], t.OCOUNT[CH][V]}) {
                line += std::to_string(n);
                line += ' ';
            }
            line += std::to_string(t.SCOUNT[CH][V]);
            out.writeln(line);
        }
    }
    out.close();
}

void build_index(const Files& files, const RunBank& bank, const BankNames& names,
                 const Season& season, BankTables& t) {
    t.SCOUNT = VerseCounts{};  // the bank has no SIT file
    count_questions(bank, season, t);
    write_index(files, names.count_file, season, t);
}

bool load_index(const Files& files, const std::string& count_file, const Season& season,
                BankTables& t) {
    TextReader in = files.read(count_file);
    t.QCOUNT = t.FCOUNT = t.RCOUNT = t.OCOUNT = t.SCOUNT = VerseCounts{};
    VerseCounts* const tables[] = {&t.QCOUNT, &t.FCOUNT, &t.RCOUNT, &t.OCOUNT, &t.SCOUNT};
    const int chapters = season.chapters(), rows = season.rows();
    // The reading moves on from the chapter and verse of the entry just read, so an
    // entry out of its place would make it end early or late and leave counts at the
    // wrong verses: such a file is refused instead.
    int CH = 1, V = 1;
    try {
        for (;;) {
            const long chapter = in.read_int();
            const long verse = in.read_int();
            if (chapter != CH || verse != V) return false;
            for (VerseCounts* table : tables) {
                const long count = in.read_int();
                if (count < 0 || count > MAX_PER_VERSE) return false;
                (*table)[CH][V] = static_cast<int>(count);
            }
            if (CH == chapters && V == rows) return true;
            if (++V > rows) {
                V = 1;
                ++CH;
            }
        }
    } catch (const IoError&) {
        return false;  // a field that is not a number, or the file ends early
    }
}

void index_material(MaterialReport& report, const Files& files, const Style& s, const RunBank& bank,
                    const BankNames& names, const Season& season, BankTables& t) {
    t = BankTables{};
    report.material_begins();
    // Only the workspace's own index is read: a workspace without one builds it.
    const bool build = s.INDX != 'N' || !files.exists(names.count_file);

    // The question files are counted in every run: an index kept from an earlier run
    // is checked against them, so that no reader takes the wrong lines.
    BankTables counted;
    if (build) {
        report.building_index();
        build_index(files, bank, names, season, counted);
    } else {
        count_questions(bank, season, counted);
    }

    report.sectoring_material();
    if (!load_index(files, names.count_file, season, t) || !same_counts(t, counted)) {
        report.building_index();
        build_index(files, bank, names, season, counted);
        report.sectoring_material();
        report.index_rebuilt(names.count_file);
        if (!load_index(files, names.count_file, season, t))
            throw IoError("read", names.count_file,
                          "the verse index just written does not read back");
    }
    count_material(s, t);
}

}  // namespace tv
