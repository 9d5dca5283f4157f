#include "exchange/exchange.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "bank/bank.h"
#include "base/utf8.h"
#include "exchange/sheet.h"

namespace tv {

namespace {

enum class Kind { regular, ftv, quote, cv, co, unknown };

// Characters of a line the program reads (docs/how-it-works.md 2.4).
constexpr size_t SHORT_LINE = 254, FTV_LINE = 508;

std::string trim(std::string_view s) {
    const size_t from = s.find_first_not_of(" \t\r\n");
    if (from == std::string_view::npos) return "";
    return std::string(s.substr(from, s.find_last_not_of(" \t\r\n") - from + 1));
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A name as people vary it: lower case, without blanks, dashes, underscores, dots or
// slashes ("CV Ref", "cv-ref" and "CVREF" are one).
std::string squashed(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ' && c != '-' && c != '_' && c != '.' && c != '/') out += lower(c);
    return out;
}

// A name with a prefix dropped when it starts with it, in either case ("RJ.A" -> "A").
std::string without_prefix(const std::string& s, std::string_view prefix) {
    if (s.size() <= prefix.size()) return s;
    for (size_t k = 0; k < prefix.size(); ++k)
        if (lower(s[k]) != lower(prefix[k])) return s;
    return s.substr(prefix.size());
}

// A whole number of at most three digits; -1 for anything else.
int small_number(const std::string& s) {
    if (s.empty() || s.size() > 3 || !std::all_of(s.begin(), s.end(), is_digit)) return -1;
    return std::stoi(s);
}

std::string two_columns(int n) { return (n < 10 ? " " : "") + std::to_string(n); }
std::string quoted(const std::string& s) { return "\"" + s + "\""; }

Kind kind_named(const std::string& cell) {
    const std::string k = squashed(cell);
    for (const char* n : {"regular", "reg", "normal", "general"})
        if (k == n) return Kind::regular;
    for (const char* n : {"ftv", "finishtheverse", "finish", "f"})
        if (k == n) return Kind::ftv;
    for (const char* n : {"quote", "quotation", "qt", "q"})
        if (k == n) return Kind::quote;
    for (const char* n : {"cvref", "cv", "cvreference", "chapterverse", "chapterandverse",
                          "chapterversereference", "chapterandversereference", "r"})
        if (k == n) return Kind::cv;
    for (const char* n : {"coref", "co", "coreference", "chapteronly", "chapteronlyreference", "o"})
        if (k == n) return Kind::co;
    return Kind::unknown;
}

constexpr std::array<std::string_view, 5> KIND_TITLES = {"regular", "FTV", "quote", "CV Ref",
                                                         "CO Ref"};

const char* const ALIASES[COLUMNS][7] = {
    {"book", "bookname", "bookletter", "letter", nullptr},
    {"chapter", "chap", "ch", nullptr},
    {"verse", "vs", "v", nullptr},
    {"kind", "type", "questionkind", "questiontype", nullptr},
    {"code", "typecode", "kindcode", nullptr},
    {"list", "file", "set", "bankfile", nullptr},
    {"level", "lvl", nullptr},
    {"question", "text", "questiontext", "versetext", "q", nullptr},
    {"answer", "ans", "a", nullptr},
};

int column_named(const std::string& cell) {
    const std::string n = squashed(cell);
    for (int c = 0; c < COLUMNS; ++c)
        for (const char* const* a = ALIASES[c]; *a; ++a)
            if (n == *a) return c;
    return -1;
}

bool ftv_code(const std::string& c) {
    return c.size() >= 3 && c[0] == 'F' && is_digit(c[1]) && c[1] != '0' &&
           ((c.size() == 3 && is_letter(c[2])) || (c.size() == 4 && c.substr(2) == "VR"));
}

bool quote_code(const std::string& c) {
    return c.size() == 4 && c.starts_with("QT") &&
           (c.substr(2) == "VR" || (is_letter(c[2]) && is_digit(c[3]) && c[3] != '0'));
}

// A question's text as a bank line holds it: a line break inside a cell (typed in a
// spreadsheet with Alt+Enter) becomes one blank.
std::string one_line(const std::string& cell) {
    std::string out;
    for (size_t k = 0; k < cell.size(); ++k) {
        if (cell[k] == '\r' && k + 1 < cell.size() && cell[k + 1] == '\n') continue;
        out += cell[k] == '\r' || cell[k] == '\n' ? ' ' : cell[k];
    }
    return out;
}

bool is_utf8(std::string_view s) {
    for (size_t i = 0; i < s.size();)
        if (utf8::is_stray_byte(utf8::next(s, i))) return false;
    return true;
}

std::string books_of(const Season& season) {
    std::string s;
    for (const Book& b : season.books)
        s += (s.empty() ? "" : ", ") + std::string(1, b.letter) + " " + b.name;
    return s;
}

const Book* book_named(const std::string& cell, const Season& season) {
    for (const Book& b : season.books) {
        if (cell.size() == 1 && upper(cell[0]) == upper(b.letter)) return &b;
        if (squashed(cell) == squashed(b.name)) return &b;
    }
    return nullptr;
}

// The file of the row's kind and list; "" (and a problem) when the list is none.
std::string file_of(Kind kind, const std::string& cell, std::string& problem) {
    switch (kind) {
    case Kind::regular: {
        const std::string l = cell.empty() ? "A" : without_prefix(cell, "RJ.");
        if (l.size() == 1 && upper(l[0]) >= 'A' && upper(l[0]) <= 'C')
            return "RJ." + std::string(1, upper(l[0]));
        problem = quoted(cell) + " is not a list of regular questions: A, B or C";
        return "";
    }
    case Kind::ftv:
    case Kind::quote: {
        const int n = cell.empty() ? 100 : small_number(without_prefix(cell, "FTV."));
        if (n >= 0 && n <= 100)
            return "FTV." + std::to_string(n % 100 / 10) + std::to_string(n % 10);
        problem = quoted(cell) +
                  " is not an FTV file: the Pct Prim FTV of the styles that use it, as 58 (00 or "
                  "100 for 100)";
        return "";
    }
    case Kind::cv:
    case Kind::co: {
        const std::string stem = kind == Kind::cv ? "cv." : "co.";
        const std::string l = cell.empty() ? "B" : without_prefix(cell, stem);
        if (l.size() == 1 && upper(l[0]) >= 'A' && upper(l[0]) <= 'C')
            return stem + (upper(l[0]) == 'C' ? "c" : "b");
        problem = quoted(cell) + " is not a list: A, B or C (A and B share " + stem + "b)";
        return "";
    }
    case Kind::unknown: break;
    }
    return "";
}

// The code of the row's kind, its default when the cell is empty.
std::string code_of(Kind kind, const std::string& cell, std::string& problem) {
    switch (kind) {
    case Kind::regular:
        if (!cell.empty()) problem = "a regular question has no code (" + quoted(cell) + ")";
        return "";
    case Kind::ftv:
        if (cell.empty() || ftv_code(cell)) return cell.empty() ? "F1a" : cell;
        problem = quoted(cell) +
                  " is not an FTV code: F, the verses to finish (1-9), then the kind (a letter, or "
                  "VR), as F1a";
        return "";
    case Kind::quote:
        if (cell.empty() || quote_code(cell)) return cell.empty() ? "QTa1" : cell;
        problem =
            quoted(cell) +
            " is not a quote code: QT, the kind letter and the verses (1-9), as QTa1, or QTVR";
        return "";
    case Kind::cv:
    case Kind::co: {
        // The bank's check takes no other code in the file of the kind.
        const std::string only = kind == Kind::cv ? "CV" : "CO";
        std::string code = cell;
        for (char& c : code) c = upper(c);
        if (cell.empty() || code == only) return only;
        problem = quoted(cell) + " is not the code of the kind: " + only + " (or leave it empty)";
        return "";
    }
    case Kind::unknown: break;
    }
    return "";
}

}  // namespace

const std::array<std::string_view, COLUMNS>& column_titles() {
    static constexpr std::array<std::string_view, COLUMNS> titles = {
        "Book", "Chapter", "Verse", "Kind", "Code", "List", "Level", "Question", "Answer"};
    return titles;
}

BankLine bank_line(const QuestionRow& row, const Season& season) {
    BankLine out;
    auto bad = [&out](Column c, std::string why) { out.problems.emplace_back(c, std::move(why)); };
    for (int c = 0; c < COLUMNS; ++c)
        if (!is_utf8(row.cells[static_cast<size_t>(c)]))
            bad(Column(c), "is not UTF-8 text: save the spreadsheet as CSV in UTF-8");
    if (!out.problems.empty()) return out;

    const std::string book_cell = trim(row[Column::book]);
    const Book* book = nullptr;
    if (book_cell.empty() && season.books.size() == 1)
        book = &season.books.front();
    else if (book_cell.empty())
        bad(Column::book, "is empty: the material has the books " + books_of(season));
    else if (!(book = book_named(book_cell, season)))
        bad(Column::book,
            quoted(book_cell) + " is no book of the material (" + books_of(season) + ")");

    const std::string chapter_cell = trim(row[Column::chapter]);
    const int chapter = small_number(chapter_cell);
    bool place = book != nullptr;
    // A chapter of a book fits the bank's two columns: the books hold 99 chapters in all.
    if (chapter < 1) {
        bad(Column::chapter, quoted(chapter_cell) + " is not a chapter number");
        place = false;
    } else if (book && chapter > book->chapters()) {
        bad(Column::chapter, book->name + " has " + std::to_string(book->chapters()) + " chapters");
        place = false;
    }
    const std::string verse_cell = trim(row[Column::verse]);
    const int verse = small_number(verse_cell);
    if (verse < 1) {
        bad(Column::verse, quoted(verse_cell) + " is not a verse number");
    } else if (place) {
        const int verses = book->verses[static_cast<size_t>(chapter - 1)];
        if (verse > verses)
            bad(Column::verse, book->name + " " + std::to_string(chapter) + " has " +
                                   std::to_string(verses) + " verses");
    }
    if (place) out.chapter = book->offset + chapter;
    out.verse = verse;

    const std::string kind_cell = trim(row[Column::kind]);
    const Kind kind = kind_named(kind_cell);
    if (kind == Kind::unknown)
        bad(Column::kind,
            (kind_cell.empty() ? std::string("is empty") : quoted(kind_cell) + " is not a kind") +
                ": regular, FTV, quote, CV Ref or CO Ref");

    std::string problem;
    const std::string level = trim(row[Column::level]);
    if (!level.empty() && level != "L" && level != "l")
        bad(Column::level, quoted(level) + " is not a level: L, or nothing");
    const std::string code = code_of(kind, trim(row[Column::code]), problem);
    if (!problem.empty()) bad(Column::code, std::exchange(problem, ""));
    const std::string file = file_of(kind, trim(row[Column::list]), problem);
    if (!problem.empty()) bad(Column::list, std::exchange(problem, ""));
    if (kind != Kind::unknown && !file.empty()) out.file = (level.empty() ? "" : "LL") + file;

    const std::string question = one_line(row[Column::question]);
    const std::string answer = one_line(row[Column::answer]);
    const bool verse_text = kind == Kind::ftv || kind == Kind::quote;
    if (trim(question).empty()) bad(Column::question, "is empty");
    if (question.find('\t') != std::string::npos) bad(Column::question, "holds a TAB");
    if (answer.find('\t') != std::string::npos) bad(Column::answer, "holds a TAB");
    if (verse_text && !answer.empty())
        bad(Column::answer,
            "an FTV or quote question has no answer: its verse text goes in the question column");
    if (!verse_text && kind != Kind::unknown && trim(answer).empty())
        bad(Column::answer, "is empty");
    if (!out.problems.empty()) return out;

    out.line = two_columns(out.chapter) + " " + two_columns(verse) + "\t";
    if (kind != Kind::regular) out.line += code + "\t";
    out.line += question;
    if (!verse_text) out.line += "\t" + answer;
    const size_t limit = verse_text ? FTV_LINE : SHORT_LINE;
    const size_t length = utf8::length(out.line);
    if (length > limit)
        bad(Column::question, "makes a line of " + std::to_string(length) +
                                  " characters, of which the program reads " +
                                  std::to_string(limit) + ": shorten it by " +
                                  std::to_string(length - limit));
    return out;
}

ImportPlan plan_import(const std::string& name, std::string_view text, const Season& season) {
    ImportPlan plan;
    auto problem = [&plan, &name](int row, const std::string& column, const std::string& why) {
        std::string s = name + ": row " + std::to_string(row);
        if (!column.empty()) s += ", column " + column;
        plan.problems.push_back(s + ": " + why);
    };
    const Sheet sheet = read_sheet(text);
    if (!sheet.problem.empty()) {
        plan.problems.push_back(name + ": " + sheet.problem);
        return plan;
    }
    if (sheet.rows.empty()) {
        plan.problems.push_back(name + ": the file holds no header row");
        return plan;
    }
    // The header: which column each cell is, and the name the spreadsheet gives it.
    const SheetRow& header = sheet.rows.front();
    std::vector<int> column_of(header.cells.size(), -1);
    std::array<std::string, COLUMNS> title;
    for (int c = 0; c < COLUMNS; ++c)
        title[static_cast<size_t>(c)] = column_titles()[static_cast<size_t>(c)];
    std::array<bool, COLUMNS> given{};
    for (size_t k = 0; k < header.cells.size(); ++k) {
        const std::string cell = trim(header.cells[k]);
        if (cell.empty()) continue;
        const int c = column_named(cell);
        if (c < 0) {
            std::string names;
            for (std::string_view t : column_titles())
                names += (names.empty() ? "" : ", ") + std::string(t);
            problem(header.row, "", "the column " + quoted(cell) + " is none of " + names);
        } else if (given[static_cast<size_t>(c)]) {
            problem(header.row, "", "the column " + quoted(cell) + " is given twice");
        } else {
            given[static_cast<size_t>(c)] = true;
            column_of[k] = c;
            title[static_cast<size_t>(c)] = cell;
        }
    }
    for (Column needed : {Column::chapter, Column::verse, Column::kind, Column::question})
        if (!given[static_cast<size_t>(needed)])
            problem(
                header.row, "",
                "there is no column " + std::string(column_titles()[static_cast<size_t>(needed)]));
    if (!plan.problems.empty()) return plan;

    struct Placed {
        int chapter, verse, row;
        std::string line;
    };
    std::map<std::string, std::vector<Placed>> files;
    for (size_t r = 1; r < sheet.rows.size(); ++r) {
        const SheetRow& in = sheet.rows[r];
        QuestionRow row;
        for (size_t k = 0; k < in.cells.size(); ++k) {
            if (k < column_of.size() && column_of[k] >= 0)
                row.cells[static_cast<size_t>(column_of[k])] = in.cells[k];
            else if (!trim(in.cells[k]).empty())
                problem(in.row, "",
                        "cell " + std::to_string(k + 1) + " holds text under no column name");
        }
        const BankLine made = bank_line(row, season);
        for (const auto& [column, why] : made.problems)
            problem(in.row, title[static_cast<size_t>(column)], why);
        if (made.problems.empty())
            files[made.file].push_back({made.chapter, made.verse, in.row, made.line});
    }
    if (sheet.rows.size() == 1)
        plan.problems.push_back(name + ": the file holds no questions, only the header");

    for (auto& [file, lines] : files) {
        std::stable_sort(lines.begin(), lines.end(), [](const Placed& a, const Placed& b) {
            return a.chapter != b.chapter ? a.chapter < b.chapter : a.verse < b.verse;
        });
        std::vector<std::string>& out = plan.files[file];
        for (size_t k = 0, same = 0; k < lines.size(); ++k) {
            same = k > 0 && lines[k].chapter == lines[k - 1].chapter &&
                           lines[k].verse == lines[k - 1].verse
                       ? same + 1
                       : 1;
            if (same == MAX_PER_VERSE + 1)
                problem(lines[k].row, title[static_cast<size_t>(Column::verse)],
                        "more than " + std::to_string(MAX_PER_VERSE) + " questions of " + file +
                            " on this verse");
            out.push_back(std::move(lines[k].line));
        }
        plan.questions += static_cast<int>(lines.size());
    }
    if (!plan.problems.empty()) {
        plan.files.clear();
        plan.questions = 0;
    }
    return plan;
}

namespace {

// What a count file is built from: RJ.<list>, FTV.<digits>, cv and co of the list.
bool built_from(const std::string& count, const std::vector<std::string>& written) {
    const bool ll = count.starts_with("LL");
    const std::string stem = ll ? count.substr(2) : count;
    if (stem.size() != 9 || !stem.starts_with("count.") || !is_digit(stem[6]) || !is_digit(stem[7]))
        return false;
    const std::string prefix = ll ? "LL" : "";
    const char list = stem[8];
    const std::string refs = list == 'C' || list == 'c' ? "c" : "b";
    for (const std::string& source :
         {"RJ." + std::string(1, list), "FTV." + stem.substr(6, 2), "cv." + refs, "co." + refs})
        if (std::find(written.begin(), written.end(), prefix + source) != written.end())
            return true;
    return false;
}

std::vector<std::string> regular_files(const Files& files) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(files.dir(), ec))
        if (e.symlink_status(ec).type() == std::filesystem::file_type::regular)
            names.push_back(e.path().filename().string());
    if (ec) throw IoError("read the folder", files.dir().string(), ec.message());
    return names;
}

// Where a bank file comes in an export; -1 for a name that is no bank file.
int bank_order(const std::string& name) {
    const bool ll = name.starts_with("LL");
    const std::string n = ll ? name.substr(2) : name;
    int group = -1;
    if (n == "RJ.A" || n == "RJ.B" || n == "RJ.C") group = 0;
    if (n.size() == 6 && n.starts_with("FTV.") && is_digit(n[4]) && is_digit(n[5])) group = 1;
    if (n == "cv.b" || n == "cv.c") group = 2;
    if (n == "co.b" || n == "co.c") group = 3;
    return group < 0 ? -1 : group + (ll ? 4 : 0);
}

QuestionRow row_of(const std::string& file, std::string_view line, const QuestionRef& ref,
                   const Season& season) {
    QuestionRow row;
    const bool ll = file.starts_with("LL");
    const std::string n = ll ? file.substr(2) : file;
    row[Column::level] = ll ? "L" : "";
    const Book& book = season.book_of(ref.chapter);
    row[Column::book] = book.name;
    row[Column::chapter] = std::to_string(ref.chapter - book.offset);
    row[Column::verse] = std::to_string(ref.verse);
    const size_t tab = line.find('\t');
    std::string_view body = tab == std::string_view::npos ? "" : line.substr(tab + 1);
    auto take = [&body]() {
        const size_t t = body.find('\t');
        std::string field(body.substr(0, t));
        body = t == std::string_view::npos ? "" : body.substr(t + 1);
        return field;
    };
    Kind kind = Kind::regular;
    if (n.starts_with("FTV.")) {
        row[Column::code] = take();
        kind = row[Column::code].starts_with("Q") ? Kind::quote : Kind::ftv;
        row[Column::list] = n.substr(4);
        row[Column::question] = std::string(body);
    } else {
        if (n.starts_with("RJ.")) {
            row[Column::list] = n.substr(3);
        } else {
            kind = n.starts_with("cv.") ? Kind::cv : Kind::co;
            row[Column::code] = take();
            row[Column::list] = std::string(1, upper(n[3]));
        }
        row[Column::question] = take();
        row[Column::answer] = std::string(body);
    }
    row[Column::kind] = std::string(KIND_TITLES[static_cast<size_t>(kind)]);
    return row;
}

}  // namespace

ImportDone write_bank(const Files& files, const ImportPlan& plan) {
    ImportDone done;
    std::vector<TextWriter> writers;
    writers.reserve(plan.files.size());
    for (const auto& [name, lines] : plan.files) {
        writers.push_back(files.together(name));
        for (const std::string& line : lines) writers.back().writeln(line);
        done.written.push_back(name);
    }
    std::vector<TextWriter*> all;
    for (TextWriter& w : writers) all.push_back(&w);
    files.put_in_place(all);
    // A count file of the old lines would be found wrong and rebuilt by the next run
    // anyway; removing it says at once that it is to be built again.
    for (const std::string& name : regular_files(files)) {
        if (!built_from(name, done.written)) continue;
        std::error_code ec;
        std::filesystem::remove(files.path(name), ec);
        if (ec) throw IoError("remove", name, ec.message());
        done.indexes_removed.push_back(name);
    }
    std::sort(done.indexes_removed.begin(), done.indexes_removed.end());
    for (const std::string& name : bank_files(files))
        if (!plan.files.contains(name)) done.kept.push_back(name);
    return done;
}

std::vector<std::string> bank_files(const Files& files) {
    std::vector<std::string> names;
    for (std::string& n : regular_files(files))
        if (bank_order(n) >= 0) names.push_back(std::move(n));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int x = bank_order(a), y = bank_order(b);
        return x != y ? x < y : a < b;
    });
    return names;
}

Export export_bank(const Files& files, const Season& season) {
    Export out;
    out.files = bank_files(files);
    out.text = std::string(UTF8_BOM);
    std::vector<std::string> header(column_titles().begin(), column_titles().end());
    out.text += sheet_line(header);
    for (const std::string& name : out.files) {
        const QuestionFile file = QuestionFile::load(files, name);
        int prev_chapter = 0, prev_verse = 0;
        for (int k = 1; k <= file.size(); ++k) {
            auto problem = [&](const std::string& why) {
                out.problems.push_back(name + ":" + std::to_string(k) + ": " + why);
            };
            const std::string_view line = file.text(k);
            const QuestionRef ref = read_question_ref(line, season);
            if (!ref.problem.empty()) {
                problem(ref.problem);
                continue;
            }
            if (ref.chapter < prev_chapter ||
                (ref.chapter == prev_chapter && ref.verse < prev_verse))
                problem(
                    "the line comes after a later verse: the lines must be sorted by chapter and "
                    "verse");
            prev_chapter = ref.chapter;
            prev_verse = ref.verse;
            if (line.size() < 6 || line[5] != '\t') {
                problem("column 6, after the verse, is not a TAB");
                continue;
            }
            const QuestionRow row = row_of(name, line, ref, season);
            const BankLine back = bank_line(row, season);
            for (const auto& [column, why] : back.problems)
                problem(std::string(column_titles()[static_cast<size_t>(column)]) + " " + why);
            if (back.problems.empty() && back.line != line)
                problem(
                    "the line is not in the form an import writes: chapter and verse in two "
                    "columns each, a blank between them, a TAB after");
            out.text += sheet_line(std::vector<std::string>(row.cells.begin(), row.cells.end()));
            ++out.questions;
        }
    }
    if (!out.problems.empty()) out.text.clear();
    return out;
}

}  // namespace tv
