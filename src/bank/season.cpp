#include "bank/season.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <type_traits>

#include "base/utf8.h"

namespace tv {

int Season::chapters() const {
    return books.empty() ? 0 : books.back().offset + books.back().chapters();
}

int Season::verses(int ch) const {
    if (ch < 1 || ch > chapters()) return 0;
    const Book& b = book_of(ch);
    return b.verses[ch - b.offset - 1];
}

int Season::rows() const {
    int longest = VERSES;
    for (const Book& b : books)
        for (int v : b.verses) longest = std::max(longest, v);
    return longest;
}

const Book& Season::book_of(int ch) const {
    for (const Book& b : books)
        if (ch <= b.offset + b.chapters()) return b;
    return books.back();
}

const Book* Season::book_for_key(int key) const {
    if (key <= 0 || key > 255) return nullptr;
    const char letter = static_cast<char>(std::toupper(key));
    for (const Book& b : books)
        if (b.letter == letter) return &b;
    return nullptr;
}

bool Season::level_l_covers(int ch) const {
    return ch >= 1 && ch < static_cast<int>(level_l.size()) && level_l[ch];
}

bool Season::level_l_skips(int ch) const {
    return ch >= 1 && ch < static_cast<int>(level_l_skipped.size()) && level_l_skipped[ch];
}

int Season::longest_name() const {
    size_t n = 0;
    for (const Book& b : books) n = std::max(n, utf8::length(b.name));
    return static_cast<int>(n);
}

int Season::longest_book() const {
    int n = 0;
    for (const Book& b : books) n = std::max(n, b.chapters());
    return n;
}

Season default_season() {
    Season s;
    s.name = "Romans and James";
    s.books = {Book{'R', "Romans", {VERSE_COUNT.begin() + 1, VERSE_COUNT.begin() + 17}, 0},
               Book{'J', "James", {VERSE_COUNT.begin() + 17, VERSE_COUNT.end()}, 16}};
    s.level_l.assign(CHAPTERS + 1, false);
    for (int ch : {5, 6, 8, 12, 13, 17, 18, 19, 20, 21}) s.level_l[ch] = true;
    s.level_l_skipped.assign(CHAPTERS + 1, false);
    for (int ch : {7, 9, 10, 11, 14, 15, 16}) s.level_l_skipped[ch] = true;
    return s;
}

namespace {

bool all_digits(const std::string& word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool starts_with_digit(const std::string& word) {
    return !word.empty() && word[0] >= '0' && word[0] <= '9';
}

struct Reader {
    TextReader& in;
    // Where problems are gathered when the reading goes on past them; null to stop at
    // the first.
    std::vector<IoError>* problems = nullptr;
    int line = 0;

    [[noreturn]] void fail(const std::string& reason) const {
        throw IoError("read the material in", in.name(), reason, line);
    }

    // What `step` returns; when problems are gathered, a failure of it is one of them and
    // `otherwise` stands for its result.
    template <typename Step, typename T = std::invoke_result_t<Step>>
    T gathered(Step step, T otherwise) const {
        if (problems == nullptr) return step();
        try {
            return step();
        } catch (const IoError& e) {
            problems->push_back(e);
            return otherwise;
        }
    }

    // `what` names the number, `of` where it stands: the verse count "2S" of Matthew 4.
    int number(const std::string& word, int low, int high, const std::string& what,
               const std::string& of = "") const {
        const std::string named = what + " \"" + word + "\"" + of;
        if (!all_digits(word)) fail(named + " is not a number");
        // More than four digits is out of range whatever they say (and would overflow).
        const int value = word.size() <= 4 ? std::stoi(word) : high + 1;
        if (value < low || value > high)
            fail(named + " must be a number from " + std::to_string(low) + " to " +
                 std::to_string(high));
        return value;
    }

    // book LETTER NAME VERSES...: the name may begin with a number ("1 Peter") and holds
    // no number after that, so the first later word that begins with a digit is the
    // verse count of chapter 1, and every word from there on must be a count.
    Book book(const std::vector<std::string>& words, const Season& s) const {
        if (words.size() < 2 || words[1].size() != 1 ||
            !std::isalpha(static_cast<unsigned char>(words[1][0])))
            fail("a book line begins with the book's one-letter code");
        Book b;
        b.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(words[1][0])));
        if (s.book_for_key(std::tolower(b.letter)) != nullptr)
            fail(std::string("the code ") + b.letter + " is already taken by another book");
        size_t i = 2;
        // The first word is a count only when it is a number followed by another count
        // (or by nothing): "1 Peter 25" names 1 Peter, "12 13" names no book.
        if (i < words.size() &&
            !(all_digits(words[i]) && (i + 1 == words.size() || starts_with_digit(words[i + 1]))))
            b.name = words[i++];
        bool mistyped = false;
        for (; i < words.size() && !starts_with_digit(words[i]); ++i) {
            // A count mistyped with a letter first ("S25") must not become a word of
            // the name: a name holds no number after its first word. When problems are
            // gathered, the word is taken for the first count, which it most likely is.
            mistyped = words[i].find_first_of("0123456789") != std::string::npos;
            if (mistyped) {
                gathered(
                    [&] {
                        fail("the word \"" + words[i] + "\" after \"" + b.name +
                             "\" holds a digit: a verse count is a number, and a book's name "
                             "holds no number after its first word");
                        return true;
                    },
                    false);
                break;
            }
            b.name += " " + words[i];
        }
        if (b.name.empty()) fail(std::string("book ") + b.letter + " has no name");
        if (utf8::length(b.name) > MAX_BOOK_NAME)
            fail("the book name \"" + b.name + "\" is longer than the " +
                 std::to_string(MAX_BOOK_NAME) + " characters the page layout holds");
        if (mistyped) {
            b.verses.push_back(MAX_VERSES);
            ++i;
        }
        for (; i < words.size(); ++i) {
            const std::string of = " of " + b.name + " " + std::to_string(b.verses.size() + 1);
            // When problems are gathered, a wrong count stands for the most a chapter
            // may hold, so that the questions of that chapter are still checked.
            b.verses.push_back(
                gathered([&] { return number(words[i], 1, MAX_VERSES, "the verse count", of); },
                         MAX_VERSES));
        }
        if (b.verses.empty()) fail("book " + b.name + " has no verse counts of its chapters");
        b.offset = s.chapters();
        if (b.offset + b.chapters() > MAX_CHAPTERS)
            fail("the books have more than " + std::to_string(MAX_CHAPTERS) + " chapters in all");
        return b;
    }

    // level-L 1-3 14: single chapters and ranges, numbered across the books.
    std::vector<bool> level_l(const std::vector<std::string>& words, int chapters) const {
        std::vector<bool> covered(chapters + 1, false);
        if (words.size() < 2) fail("level-L names no chapter");
        for (size_t i = 1; i < words.size(); ++i) {
            const size_t dash = words[i].find('-');
            const int from = number(words[i].substr(0, dash), 1, chapters, "the chapter");
            const int to = dash == std::string::npos
                               ? from
                               : number(words[i].substr(dash + 1), from, chapters, "the chapter");
            for (int ch = from; ch <= to; ++ch) covered[ch] = true;
        }
        return covered;
    }
};

}  // namespace

Season read_season(TextReader& in, std::vector<IoError>* problems) {
    Reader r{in, problems};
    Season s;
    bool named = false;
    std::vector<std::string> level;
    int level_line = 0;
    bool any_line = false;
    while (!in.eof()) {
        r.line = in.line_no();
        std::string text = in.read_line(1000);
        text = text.substr(0, text.find('#'));
        std::istringstream split(text);
        std::vector<std::string> words;
        for (std::string w; split >> w;) words.push_back(w);
        if (words.empty()) continue;
        any_line = true;
        r.gathered(
            [&] {
                if (words[0] == "season") {
                    if (named) r.fail("the season is named twice");
                    for (size_t i = 1; i < words.size(); ++i)
                        s.name += (i > 1 ? " " : "") + words[i];
                    if (s.name.empty()) r.fail("the season line holds no name");
                    named = true;
                    if (utf8::length(s.name) > MAX_SEASON_NAME)
                        r.fail("the season's name \"" + s.name + "\" is longer than the " +
                               std::to_string(MAX_SEASON_NAME) + " characters the banner holds");
                } else if (words[0] == "book") {
                    s.books.push_back(r.book(words, s));
                } else if (words[0] == "level-L") {
                    if (level_line != 0) r.fail("level-L is given twice");
                    level = words;
                    level_line = r.line;
                } else {
                    r.fail("\"" + words[0] + "\" is none of season, book, level-L");
                }
                return true;
            },
            false);
    }
    // A file of comments alone, as --init writes it, leaves the built-in material.
    if (!any_line) return default_season();
    r.line = 0;
    if (s.books.empty()) r.fail("the file names no book");
    if (!named) {
        // Without a season line the books name it: "Hebrews and 1 Peter".
        for (size_t i = 0; i < s.books.size(); ++i)
            s.name += (i == 0 ? "" : i + 1 == s.books.size() ? " and " : ", ") + s.books[i].name;
        r.gathered(
            [&] {
                if (utf8::length(s.name) > MAX_SEASON_NAME)
                    r.fail(
                        "the names of the books are too long for the banner: name the season on "
                        "a line \"season NAME\" of at most " +
                        std::to_string(MAX_SEASON_NAME) + " characters");
                return true;
            },
            false);
    }
    r.line = level_line;
    const std::vector<bool> all(s.chapters() + 1, true);
    s.level_l =
        level_line != 0 ? r.gathered([&] { return r.level_l(level, s.chapters()); }, all) : all;
    s.level_l_skipped.assign(s.chapters() + 1, false);
    for (int ch = 1; ch <= s.chapters(); ++ch) s.level_l_skipped[ch] = !s.level_l[ch];
    return s;
}

Season load_season(const Files& files) {
    if (!files.exists(MATERIAL_FILE)) return default_season();
    TextReader in = files.read(MATERIAL_FILE);
    return read_season(in);
}

}  // namespace tv
