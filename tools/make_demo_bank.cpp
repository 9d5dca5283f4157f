// make_demo_bank: writes the demo question bank of Tallyvane from the verse text of
// Romans and James.
//
//   make_demo_bank VERSES.tsv OUTPUT_FOLDER
//
// VERSES.tsv holds one verse per line after a header line: book, chapter within the book,
// verse and text, separated by TABs. The program writes into OUTPUT_FOLDER:
//
//   RJ.A RJ.B RJ.C        regular question lists
//   FTV.00 FTV.58 ...     FTV and quote questions, one file per "Pct Prim FTV" value
//   cv.b co.b cv.c co.c   chapter-and-verse and chapter-only reference questions
//
// Every line starts with the absolute chapter (1-21) in columns 1-2, a blank, the verse in
// columns 4-5 and a TAB; every file is sorted by chapter and verse. The questions are made
// from the verse text by templates plus a short list of hand-written questions, drawn with a
// fixed-seed generator of our own, so the output is byte-for-byte the same on every platform
// and with every standard library.

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int CHAPTERS = 21;
constexpr std::array<int, CHAPTERS + 1> VERSE_COUNT = {0,  32, 29, 31, 25, 21, 23, 25, 39, 33, 21,
                                                       36, 21, 14, 23, 33, 27, 27, 26, 18, 17, 20};

// Readers use the first 254 characters of a regular or reference line and the first 508 of
// an FTV line; nothing we write is longer.
constexpr std::size_t LINE_LIMIT = 254;
constexpr std::size_t FTV_LINE_LIMIT = 508;

// The "Pct Prim FTV" values of the shipped styles; each needs its own FTV file.
constexpr std::array<int, 4> PRIM_PCTS = {100, 58, 79, 89};

// ---------------------------------------------------------------------------------------
// Random numbers: splitmix64, with our own reduction to a range, so that no library
// distribution (whose results differ between implementations) is involved.

class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform on 0..n-1 (n > 0); the modulo bias is irrelevant for n this small.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool percent(int p) { return below(100) < p; }

    // Index drawn by weight; weights must not all be zero.
    int weighted(const std::vector<int>& weights) {
        int total = 0;
        for (int w : weights) total += w;
        int r = below(total);
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i]) return static_cast<int>(i);
            r -= weights[i];
        }
        return static_cast<int>(weights.size()) - 1;
    }

private:
    std::uint64_t state_;
};

// ---------------------------------------------------------------------------------------
// Verses

struct Verse {
    int chapter = 0;  // absolute, 1-21
    int verse = 0;
    std::string book;      // "Romans" or "James"
    int book_chapter = 0;  // chapter within the book
    std::string text;

    std::string ref() const {
        return book + " " + std::to_string(book_chapter) + ":" + std::to_string(verse);
    }
    std::string chapter_ref() const { return book + " " + std::to_string(book_chapter); }
    std::string author() const { return book == "Romans" ? "Paul" : "James"; }
};

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "make_demo_bank: " << message << "\n";
    std::exit(1);
}

std::vector<Verse> read_verses(const std::string& path) {
    std::ifstream in(path);
    if (!in) fail("cannot open " + path);
    std::vector<Verse> verses;
    std::string line;
    int line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line_no == 1) continue;  // header
        std::vector<std::string> f;
        std::stringstream ss(line);
        std::string field;
        while (std::getline(ss, field, '\t')) f.push_back(field);
        if (f.size() == 3) f.emplace_back();  // a verse this translation leaves empty
        if (f.size() != 4) fail(path + ":" + std::to_string(line_no) + ": expected 4 fields");
        Verse v;
        v.book = f[0];
        v.book_chapter = std::stoi(f[1]);
        v.verse = std::stoi(f[2]);
        v.text = f[3];
        if (v.book == "Romans") {
            v.chapter = v.book_chapter;
        } else if (v.book == "James") {
            v.chapter = v.book_chapter + 16;
        } else {
            fail(path + ":" + std::to_string(line_no) + ": unknown book " + v.book);
        }
        if (v.chapter < 1 || v.chapter > CHAPTERS || v.verse < 1 ||
            v.verse > VERSE_COUNT[v.chapter])
            fail(path + ":" + std::to_string(line_no) + ": verse outside the material");
        verses.push_back(std::move(v));
    }
    std::stable_sort(verses.begin(), verses.end(), [](const Verse& a, const Verse& b) {
        return a.chapter != b.chapter ? a.chapter < b.chapter : a.verse < b.verse;
    });
    return verses;
}

// ---------------------------------------------------------------------------------------
// Text helpers

std::vector<std::string> split_words(const std::string& s) {
    std::vector<std::string> words;
    std::stringstream ss(s);
    std::string w;
    while (ss >> w) words.push_back(w);
    return words;
}

std::string join_words(const std::vector<std::string>& w, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < w.size(); ++i) {
        if (!out.empty()) out += ' ';
        out += w[i];
    }
    return out;
}

// The letters (and inner apostrophes) of a word, without surrounding punctuation.
std::string bare(const std::string& w) {
    std::size_t b = 0, e = w.size();
    while (b < e && !std::isalpha(static_cast<unsigned char>(w[b]))) ++b;
    while (e > b && !std::isalpha(static_cast<unsigned char>(w[e - 1]))) --e;
    return w.substr(b, e - b);
}

bool ends_clause(const std::string& w) {
    if (w.empty()) return false;
    char c = w.back();
    if (c == '"' || c == ')') {
        if (w.size() < 2) return false;
        c = w[w.size() - 2];
    }
    return c == ',' || c == ';' || c == ':' || c == '.' || c == '!' || c == '?';
}

// A fragment cut from a verse for use inside a question: no double quotes or brackets (the
// question puts its own quotes around it) and no punctuation at either end.
std::string clean_fragment(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != '"' && c != '(' && c != ')') out += c;
    auto is_trim = [](char c) {
        return c == ' ' || c == ',' || c == ';' || c == ':' || c == '.' || c == '!' || c == '?' ||
               c == '\'';
    };
    while (!out.empty() && is_trim(out.back())) out.pop_back();
    std::size_t b = 0;
    while (b < out.size() && is_trim(out[b])) ++b;
    return out.substr(b);
}

bool ends_sentence(const std::string& w) {
    if (w.empty()) return false;
    char c = w.back();
    if ((c == '"' || c == ')') && w.size() > 1) c = w[w.size() - 2];
    return c == '.' || c == '!' || c == '?';
}

// First word of the clause (or sentence) holding word i, going back at most max_back words.
// A fragment that would start in the middle of a clause starts instead after the last
// clause end within reach, when there is one.
std::size_t back_to(const std::vector<std::string>& w, std::size_t i, std::size_t max_back,
                    bool (*stop)(const std::string&)) {
    std::size_t j = i;
    while (j > 0 && !stop(w[j - 1])) {
        if (i - j >= max_back) {
            for (std::size_t k = j + 1; k <= i; ++k)
                if (ends_clause(w[k - 1])) return k;
            return j;
        }
        --j;
    }
    return j;
}
std::size_t clause_start(const std::vector<std::string>& w, std::size_t i, std::size_t max_back) {
    return back_to(w, i, max_back, ends_clause);
}
std::size_t sentence_start(const std::vector<std::string>& w, std::size_t i, std::size_t max_back) {
    return back_to(w, i, max_back, ends_sentence);
}

std::string without_quotes(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != '"' && c != '(' && c != ')') out += c;
    return out;
}

std::string capitalise(std::string s) {
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

// Words written with a capital inside a sentence somewhere in the material (God, Christ,
// Abraham, Spirit ...) keep their capital when a fragment is lower-cased for a question.
class ProperNouns {
public:
    explicit ProperNouns(const std::vector<Verse>& verses) {
        std::set<std::string> lower;
        for (const Verse& v : verses) {
            auto w = split_words(v.text);
            for (std::size_t i = 0; i < w.size(); ++i) {
                std::string b = bare(w[i]);
                if (b.empty()) continue;
                bool at_sentence_start = i == 0 || w[i - 1].back() == '.' ||
                                         w[i - 1].back() == '?' || w[i - 1].back() == '!' ||
                                         w[i - 1].back() == ':' || w[i][0] == '"' || w[i][0] == '(';
                if (std::islower(static_cast<unsigned char>(b[0]))) {
                    lower.insert(b);
                } else if (!at_sentence_start && b != "I") {
                    proper_.insert(b);
                }
            }
        }
        for (const std::string& b : lower) {
            std::string cap = capitalise(b);
            proper_.erase(cap);
        }
        proper_.insert("I");
    }
    bool contains(const std::string& word) const { return proper_.count(bare(word)) > 0; }

    // Lower-cases the first letter unless the first word is a proper noun.
    std::string lower_first(std::string s) const {
        auto w = split_words(s);
        if (!w.empty() && !contains(w[0]))
            s[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
        return s;
    }

private:
    std::set<std::string> proper_;
};

// ---------------------------------------------------------------------------------------
// Question templates

// The kinds of question the templates make; each list of regular questions weighs them
// differently, so the three lists have different mixes of openings.
enum Family {
    WHO,      // "Who ..." from a named subject
    WHAT_IS,  // "What is the wages of sin?"
    MISSING,  // "What word is missing ...?"
    FOLLOWS,  // "According to Romans 1:16, what follows ...?"
    FINISH,   // "Finish this: ..."
    QUOTE,    // "Quote Romans 1:16."
    WHY,      // "Why does Paul say ...?"
    HOW,      // "How does Paul finish this ...?"
    YES_NO,   // "Is it written ...", "Did Paul write ...", "Does ..." ...
    WHERE,    // "Where in Romans 5 do we read ...?", "Which verse ...?"
    WHEN,     // "When does Romans 7:9 say ...?"
    WHOSE,    // "Whose power ...?"
    GREET,    // greetings of Romans 16
    FAMILIES
};

struct QA {
    Family family;
    std::string q;
    std::string a;
};

struct Clause {
    std::size_t from, to;  // word range [from, to) of the verse
};

std::vector<Clause> clauses_of(const std::vector<std::string>& w) {
    std::vector<Clause> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (ends_clause(w[i]) || i + 1 == w.size()) {
            out.push_back({start, i + 1});
            start = i + 1;
        }
    }
    return out;
}

const std::set<std::string> SUBJECT_NAMES = {
    "God",  "Christ", "Jesus",     "Paul",   "Abraham", "Moses",   "David", "Isaiah", "Elijah",
    "Adam", "Sarah",  "Isaac",     "Jacob",  "Esau",    "Pharaoh", "Rahab", "Job",    "Spirit",
    "Lord", "Israel", "Scripture", "Phoebe", "Timothy", "Tertius", "Gaius", "Erastus"};

const std::set<std::string> VERBS = {
    "is",     "was",      "has",         "had",       "gave",      "will",     "shall",
    "did",    "does",     "made",        "raised",    "sent",      "called",   "promised",
    "set",    "foreknew", "predestined", "justified", "glorified", "works",    "said",
    "says",   "knows",    "commends",    "loved",     "hardened",  "received", "believed",
    "spoke",  "died",     "rose",        "lives",     "lived",     "became",   "came",
    "judges", "may",      "might",       "can",       "could",     "would",    "should",
    "showed", "gives",    "chose",       "spared",    "delivered", "helps",    "searches",
    "makes",  "accepted", "reveals",     "revealed",  "concluded", "wrote",    "also",
    "didn't"};

const std::set<std::string> PREPOSITIONS = {
    "of",      "to",     "by",     "from",  "in",    "with", "for",  "through", "on",
    "against", "before", "toward", "about", "under", "into", "unto", "at",      "that"};

const std::set<std::string> STOP_WORDS = {
    "which",     "their",   "there",      "these",      "those",     "about",   "would",
    "could",     "should",  "being",      "other",      "whom",      "whose",   "where",
    "while",     "shall",   "might",      "because",    "through",   "though",  "against",
    "according", "himself", "themselves", "yourselves", "ourselves", "without", "within",
    "unless",    "whether", "neither",    "before",     "after",     "never",   "doesn't",
    "didn't",    "don't",   "isn't",      "aren't",     "wasn't",    "things",  "whoever",
    "whatever",  "anyone",  "myself",     "yourself",   "every",     "again",   "rather",
    "toward",    "among"};

bool fits(const QA& qa) {
    // Columns 1-6 precede the question; one TAB separates question and answer.
    return !qa.q.empty() && !qa.a.empty() && 6 + qa.q.size() + 1 + qa.a.size() <= LINE_LIMIT &&
           qa.q.find("   ") == std::string::npos && qa.a.find("   ") == std::string::npos;
}

class QuestionMaker {
public:
    explicit QuestionMaker(const ProperNouns& nouns) : nouns_(nouns) {}

    // All template questions for one verse.
    std::vector<QA> all(const Verse& v) const {
        std::vector<QA> out;
        const auto w = split_words(v.text);
        if (w.size() < 4) return out;
        const auto cl = clauses_of(w);
        const std::string ref = v.ref();
        const std::string au = v.author();
        auto add = [&out](Family f, std::string q, std::string a) {
            QA qa{f, std::move(q), std::move(a)};
            if (fits(qa)) out.push_back(std::move(qa));
        };

        for (const Clause& c : cl) {
            const std::size_t len = c.to - c.from;
            const std::string clause = clean_fragment(join_words(w, c.from, c.to));

            // Who: a named subject followed by a verb, e.g. "God gave them up ...".
            for (std::size_t i = c.from; i + 2 < c.to; ++i) {
                std::string name = bare(w[i]);
                if (!SUBJECT_NAMES.count(name) || w[i].back() == ',') continue;
                if (!VERBS.count(bare(w[i + 1]))) continue;
                std::string rest = clean_fragment(join_words(w, i + 1, c.to));
                if (split_words(rest).size() < 4) continue;
                // Take in names written before it ("Jesus Christ", "the Holy Spirit").
                std::size_t first = i;
                while (first > c.from && nouns_.contains(w[first - 1]) &&
                       !ends_clause(w[first - 1]) && bare(w[first - 1]) != "I")
                    --first;
                // A name after a preposition ("the wrath of God is ...") is not the subject.
                if (first > c.from && PREPOSITIONS.count(bare(w[first - 1]))) continue;
                std::string answer = clean_fragment(join_words(w, first, i + 1));
                if (first > c.from && bare(w[first - 1]) == "the") answer = "The " + answer;
                add(WHO, "Who " + rest + "?", answer);
                add(WHO, "Who, according to " + ref + ", " + rest + "?", answer);
                add(WHO, "According to " + ref + ", who " + rest + "?", answer);
                add(WHO, "In " + ref + ", who " + rest + "?", answer);
                break;
            }

            // What is / what are: "the wages of sin is death".
            for (std::size_t i = c.from + 2; i + 1 < c.to; ++i) {
                std::string verb = bare(w[i]);
                if (verb != "is" && verb != "are") continue;
                std::size_t s = c.from;
                std::string first = bare(w[s]);
                if (first == "For" || first == "for" || first == "But" || first == "but" ||
                    first == "And" || first == "and" || first == "Now" || first == "So")
                    ++s;
                if (i - s < 2 || i - s > 7) break;
                std::string d = bare(w[s]);
                std::transform(d.begin(), d.end(), d.begin(),
                               [](unsigned char ch) { return std::tolower(ch); });
                if (d != "the" && d != "our" && d != "your" && d != "his" && d != "their" &&
                    d != "god's" && d != "my" && d != "a")
                    break;
                std::string subject = clean_fragment(join_words(w, s, i));
                std::string pred = clean_fragment(join_words(w, i + 1, c.to));
                if (subject.find(',') != std::string::npos) break;
                // "his faith is accounted for righteousness" says nothing about what his
                // faith is: leave out passive forms.
                std::string p0 = bare(w[i + 1]);
                if (p0.size() > 3 && (p0.ends_with("ed") || p0.ends_with("en"))) break;
                if (p0 == "not" || p0 == "no" || p0 == "being" || p0 == "made" || p0 == "known" ||
                    p0 == "shown")
                    break;
                std::size_t pw = split_words(pred).size();
                if (pw < 1 || pw > 12) break;
                subject = nouns_.lower_first(subject);
                add(WHAT_IS, "What " + verb + " " + subject + "?", capitalise(pred));
                add(WHAT_IS, "According to " + ref + ", what " + verb + " " + subject + "?",
                    capitalise(pred));
                add(WHAT_IS, "What, according to " + ref + ", " + verb + " " + subject + "?",
                    capitalise(pred));
                break;
            }

            if (len >= 5) {
                add(YES_NO, "Is it written in " + ref + ", \"" + clause + "\"?", "Yes");
                add(YES_NO, "Did " + au + " write, \"" + clause + "\"?", "Yes");
                add(YES_NO, "Do we read in " + ref + ", \"" + clause + "\"?", "Yes");
                add(YES_NO, "Does " + ref + " say, \"" + clause + "\"?", "Yes");
                add(YES_NO, "Are these the words of " + v.chapter_ref() + ": \"" + clause + "\"?",
                    "Yes");
                add(YES_NO, "Was it " + au + " who wrote, \"" + clause + "\"?", "Yes");
                add(WHERE, "Where in " + v.chapter_ref() + " do we read, \"" + clause + "\"?",
                    "Verse " + std::to_string(v.verse));
                add(WHERE, "Which verse of " + v.chapter_ref() + " says, \"" + clause + "\"?",
                    "Verse " + std::to_string(v.verse));
                add(WHERE, "Which chapter of " + v.book + " says, \"" + clause + "\"?",
                    "Chapter " + std::to_string(v.book_chapter));
                add(WHERE, "Where, in " + v.book + ", is it written, \"" + clause + "\"?", ref);
                add(WHERE, "Give the reference: \"" + clause + "\"", ref);
                add(WHERE, "Name the chapter of " + v.book + " that says, \"" + clause + "\"",
                    "Chapter " + std::to_string(v.book_chapter));
                add(WHERE,
                    "In which verse of " + v.chapter_ref() + " do we read, \"" + clause + "\"?",
                    "Verse " + std::to_string(v.verse));
                add(YES_NO, "True or false: " + ref + " says, \"" + clause + "\"", "True");
            }
        }

        // What word is missing: one content word blanked out of its clause.
        for (std::size_t i = 2; i + 2 < w.size(); ++i) {
            std::string b = bare(w[i]);
            std::string lb = b;
            std::transform(lb.begin(), lb.end(), lb.begin(),
                           [](unsigned char ch) { return std::tolower(ch); });
            if (b.size() < 5 || STOP_WORDS.count(lb) || w[i].find('"') != std::string::npos)
                continue;
            std::size_t from = clause_start(w, i, 7);
            if (from == i) from = clause_start(w, i - 1, 5);
            std::size_t to = i + 1;
            while (to < w.size() && to < i + 6 && !ends_clause(w[to - 1])) ++to;
            if (to == i + 1 && to < w.size()) to = std::min(w.size(), i + 4);
            std::string left = without_quotes(join_words(w, from, i));
            std::string tail = w[i].substr(w[i].find(b) + b.size());
            std::string right = without_quotes(tail + " " + join_words(w, i + 1, to));
            if (left.empty()) continue;
            std::string frag = clean_fragment(left + " ___" + right);
            add(MISSING, "What word is missing in " + ref + ": \"" + frag + "\"?", capitalise(b));
            add(MISSING, "What word completes this: \"" + frag + "\"?", capitalise(b));
            add(MISSING, "Fill in the missing word from " + ref + ": \"" + frag + "\"",
                capitalise(b));
            add(MISSING, "Give the missing word: \"" + frag + "\"", capitalise(b));
        }

        // Follows / finish: split at a clause end in the middle of the verse.
        for (std::size_t k = 0; k + 1 < cl.size(); ++k) {
            std::size_t cut = cl[k].to;
            if (cut < 3 || w.size() - cut < 3) continue;
            std::string first = clean_fragment(join_words(w, 0, cut));
            std::string rest = capitalise(clean_fragment(join_words(w, cut, w.size())));
            add(FOLLOWS, "According to " + ref + ", what follows \"" + first + "\"?", rest);
            add(FOLLOWS, "What follows \"" + first + "\" in " + ref + "?", rest);
            add(FOLLOWS, "What follows \"" + first + "\"?", rest);
            add(FOLLOWS, "In " + ref + ", what follows \"" + first + "\"?", rest);
            add(FINISH, "Finish this: \"" + first + " ...\"", rest);
            add(FINISH, "Finish this verse, " + ref + ": \"" + first + " ...\"", rest);
            add(FINISH, "Can you finish this: \"" + first + " ...\"?", rest);
        }

        // Quote the whole verse.
        add(QUOTE, "Quote " + ref + ".", v.text);
        add(QUOTE, "Will you quote " + ref + "?", v.text);
        add(QUOTE, "Recite " + ref + ".", v.text);

        // Why: "... because ..." and "..., for ...".
        for (std::size_t i = 3; i + 3 < w.size(); ++i) {
            std::string b = bare(w[i]);
            bool because = b == "because";
            bool for_clause = b == "for" && ends_clause(w[i - 1]);
            if (!because && !for_clause) continue;
            std::size_t from = sentence_start(w, i, 12);
            std::string pre = clean_fragment(join_words(w, from, i));
            std::string post =
                capitalise(clean_fragment(join_words(w, i, std::min(w.size(), i + 18))));
            if (split_words(pre).size() < 3) continue;
            pre = nouns_.lower_first(pre);
            add(WHY, "Why does " + au + " say, \"" + pre + "\"?", post);
            add(WHY, "Why, in " + ref + ", does " + au + " say, \"" + pre + "\"?", post);
            add(WHY, "According to " + ref + ", why " + pre + "?", post);
            break;
        }

        // How: "... by ..." and "... through ...".
        for (std::size_t i = 3; i + 2 < w.size(); ++i) {
            std::string b = bare(w[i]);
            if (b != "by" && b != "through") continue;
            std::size_t from = sentence_start(w, i, 10);
            std::string pre = clean_fragment(join_words(w, from, i));
            std::size_t to = i + 1;
            while (to < w.size() && to < i + 10 && !ends_clause(w[to - 1])) ++to;
            std::string post = capitalise(clean_fragment(join_words(w, i, to)));
            if (split_words(pre).size() < 3 || split_words(post).size() < 2) continue;
            add(HOW, "How does " + au + " finish this: \"" + pre + " ...\"?", post);
            add(HOW, "How, according to " + ref + ", does this go on: \"" + pre + " ...\"?", post);
            break;
        }

        // When: "... when ...".
        for (std::size_t i = 3; i + 3 < w.size(); ++i) {
            if (bare(w[i]) != "when") continue;
            std::size_t from = sentence_start(w, i, 10);
            std::string pre = clean_fragment(join_words(w, from, i));
            std::size_t to = i + 1;
            while (to < w.size() && to < i + 12 && !ends_clause(w[to - 1])) ++to;
            std::string post = capitalise(clean_fragment(join_words(w, i, to)));
            if (split_words(pre).size() < 2) continue;
            add(WHEN, "When does " + ref + " say, \"" + pre + "\"?", post);
            add(WHEN, "When, according to " + ref + ", \"" + pre + "\"?", post);
            break;
        }

        // Whose: "the power of God".
        for (std::size_t i = 0; i + 3 < w.size(); ++i) {
            if (bare(w[i]) != "the" || bare(w[i + 2]) != "of") continue;
            std::string noun = bare(w[i + 1]);
            std::string owner = bare(w[i + 3]);
            if (noun.size() < 4 || !SUBJECT_NAMES.count(owner) || w[i + 1] != noun) continue;
            add(WHOSE, "Whose " + noun + " does " + ref + " speak of?",
                "The " + noun + " of " + owner);
            add(WHOSE, "Whose, according to " + ref + ", is the " + noun + "?", owner + "'s");
            break;
        }

        // Greetings of Romans 16: the names greeted in the verse.
        if (v.chapter == 16 && bare(w[0]) == "Greet") {
            std::vector<std::string> names;
            for (std::size_t i = 1; i < w.size(); ++i) {
                std::string b = bare(w[i]);
                if (b.size() > 1 && std::isupper(static_cast<unsigned char>(b[0])) &&
                    b != "Christ" && b != "Jesus" && b != "Lord" && b != "Greet" && b != "I" &&
                    b != "God" && b != "Asia")
                    names.push_back(b);
            }
            if (!names.empty() && names.size() <= 4) {
                std::string list;
                for (std::size_t i = 0; i < names.size(); ++i) {
                    if (i > 0) list += i + 1 == names.size() ? " and " : ", ";
                    list += names[i];
                }
                add(GREET, "Whom does Paul greet in " + ref + "?", list);
                add(GREET, "Name the people Paul greets in " + ref + ".", list);
                add(GREET, "Whom, in " + ref + ", does Paul greet?", list);
            }
        }
        return out;
    }

private:
    const ProperNouns& nouns_;
};

// Hand-written questions on verses whose wording suits openings that the template
// questions rarely produce: clauses that begin with When, Where, How or What but do not
// ask a direct question (the interrogative index treats them as statements), a few
// lower-case openings, and openings like Whoever or Do you.
struct Crafted {
    const char* lists;  // regular lists that carry the question
    int chapter;        // absolute
    int verse;
    const char* q;
    const char* a;
};

const std::vector<Crafted> CRAFTED = {
    {"ABC", 1, 1, "Who, according to Romans 1:1, was called to be an apostle?", "Paul"},
    {"AC", 1, 16, "What is the power of God for salvation for everyone who believes?",
     "The Good News"},
    {"B", 1, 16, "what is Paul not ashamed of?", "The Good News"},
    {"ABC", 1, 21, "When they knew God, what did they fail to do?",
     "They didn't glorify him as God, and didn't give thanks"},
    {"AB", 2, 1, "When you judge another, whom do you condemn?", "Yourself"},
    {"ABC", 2, 14,
     "When Gentiles who don't have the law do by nature the things of the law, what are they "
     "to themselves?",
     "A law"},
    {"AC", 2, 16, "When God judges the secrets of men, by whom does he judge them?",
     "By Jesus Christ"},
    {"ABC", 3, 27, "Where then is the boasting?", "It is excluded"},
    {"C", 3, 31, "Do we then nullify the law through faith?",
     "May it never be! No, we establish the law"},
    {"B", 4, 3, "What does the Scripture say about Abraham?",
     "Abraham believed God, and it was accounted to him for righteousness"},
    {"ABC", 5, 6, "When did Christ die for the ungodly?", "At the right time"},
    {"AB", 5, 13, "When there is no law, what is not charged?", "Sin"},
    {"ABC", 5, 20, "Where sin abounded, what abounded more exceedingly?", "Grace"},
    {"AC", 6, 2, "How shall we who died to sin live any longer in it?", "May it never be"},
    {"B", 6, 23, "what is the wages of sin?", "Death"},
    {"C", 6, 23, "is the free gift of God eternal life in Christ Jesus our Lord?", "Yes"},
    {"A", 7, 2, "When a husband dies, from what is his wife discharged?",
     "From the law of the husband"},
    {"ABC", 7, 5, "When we were in the flesh, what worked in our members?",
     "The sinful passions which were through the law"},
    {"AB", 7, 9, "When the commandment came, what revived?", "Sin"},
    {"BC", 7, 15, "What I hate, what does Paul say he does?", "That I do"},
    {"A", 7, 21, "When I desire to do good, what is present?", "Evil"},
    {"ABC", 8, 30, "Whom did God also call?", "Whom he predestined"},
    {"B", 8, 30, "Whom, according to Romans 8:30, did God also glorify?", "Whom he justified"},
    {"ABC", 8, 31, "If God is for us, who can be against us?", "No one"},
    {"A", 10, 13, "Whoever will call on the name of the Lord will be what?", "Saved"},
    {"BC", 10, 15, "How beautiful are the feet of whom?",
     "Of those who preach the Good News of peace, who bring glad tidings of good things"},
    {"C", 10, 17, "So faith comes by what?", "By hearing, and hearing by the word of God"},
    {"AB", 11, 12, "How much more, according to Romans 11:12, will their fullness be?",
     "How much more their fullness"},
    {"C", 11, 21, "How much less will God spare you, if he didn't spare the natural branches?",
     "Neither will he spare you"},
    {"ABC", 11, 24, "How much more will the natural branches be grafted into what?",
     "Into their own olive tree"},
    {"A", 11, 27, "When this covenant is kept, what will God take away?", "Their sins"},
    {"B", 12, 2, "Do you know by what you are to be transformed?", "By the renewing of your mind"},
    {"AC", 13, 9,
     "When everything the commandments say is summed up, in what saying is it summed up?",
     "\"You shall love your neighbor as yourself\""},
    {"ABC", 17, 2, "When you fall into various temptations, what should you count it?", "All joy"},
    {"AB", 17, 12, "When he has been approved, what will he receive?", "The crown of life"},
    {"ABC", 17, 13, "When tempted, what should no one say?", "\"I am tempted by God\""},
    {"C", 17, 22, "Whose hearers only deceive themselves?", "Those who are not doers of the word"},
    {"B", 18, 21, "When his son Isaac was offered on the altar, how was Abraham justified?",
     "By works"},
    {"A", 19, 16, "Where you find jealousy and selfish ambition, what is there?",
     "Confusion and every evil deed"},
    {"BC", 20, 1, "Where these wars and fightings come from, what is at war in your members?",
     "Your pleasures"},
    {"ABC", 20, 1, "Where do wars and fightings among you come from?",
     "Your pleasures that war in your members"},
    {"A", 21, 16, "Why should you confess your offenses to one another?", "That you may be healed"},
};

// ---------------------------------------------------------------------------------------
// Writers

std::string line_head(int chapter, int verse) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%2d %2d\t", chapter, verse);
    return buf;
}

class BankFile {
public:
    BankFile(const std::filesystem::path& dir, const std::string& name)
        : name_(name), out_(dir / name, std::ios::binary) {
        if (!out_) fail("cannot create " + (dir / name).string());
    }
    // Flushes the file; a failed write ends the program.
    int finish() {
        out_.close();
        if (!out_) fail("write failed: " + name_);
        return lines_;
    }
    void line(int chapter, int verse, const std::string& body) {
        out_ << line_head(chapter, verse) << body << '\n';
        ++lines_;
    }

private:
    std::string name_;
    std::ofstream out_;
    int lines_ = 0;
};

// Verses without regular questions in a list: a run of the greetings of Romans 16, longer
// than the four empty verses that sectoring by verse passes over within a chapter.
bool in_empty_run(char list, const Verse& v) {
    if (v.chapter != 16) return false;
    switch (list) {
    case 'A': return v.verse >= 6 && v.verse <= 12;
    case 'B': return v.verse >= 7 && v.verse <= 11;
    default: return v.verse >= 5 && v.verse <= 10;
    }
}

std::uint64_t seed_for(const std::string& name) {
    std::uint64_t h = 1469598103934665603ULL;  // FNV-1a
    for (char c : name) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

// Draws up to n questions from the candidates: first a family by the list's weights, then
// one of that family's questions; a family is drawn again only when the verse offers no
// other.
std::vector<QA> draw_questions(Prng& rng, std::vector<QA> pool, int n,
                               const std::array<int, FAMILIES>& mix) {
    std::vector<QA> chosen;
    std::set<int> used_families;
    while (static_cast<int>(chosen.size()) < n && !pool.empty()) {
        std::array<int, FAMILIES> weights{};
        for (const QA& qa : pool) weights[qa.family] = mix[qa.family];
        bool any_fresh = false;
        for (int f = 0; f < FAMILIES; ++f)
            if (weights[f] > 0 && !used_families.count(f)) any_fresh = true;
        if (any_fresh)
            for (int f : used_families) weights[f] = 0;
        if (std::all_of(weights.begin(), weights.end(), [](int x) { return x == 0; })) break;
        const int family = rng.weighted(std::vector<int>(weights.begin(), weights.end()));
        std::vector<std::size_t> members;
        for (std::size_t k = 0; k < pool.size(); ++k)
            if (pool[k].family == family) members.push_back(k);
        const std::size_t k = members[rng.below(static_cast<int>(members.size()))];
        used_families.insert(family);
        chosen.push_back(pool[k]);
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(k));
    }
    return chosen;
}

int write_regular(const std::filesystem::path& dir, char list, const std::vector<Verse>& verses,
                  const QuestionMaker& maker) {
    // Weights per family:    Who WhatIs Missing Follows Finish Quote Why How YesNo Where When Whose Greet
    std::array<int, FAMILIES> mix{};
    switch (list) {
    case 'A': mix = {30, 20, 10, 14, 16, 5, 20, 16, 10, 8, 16, 12, 10}; break;
    case 'B': mix = {26, 24, 8, 18, 12, 4, 24, 20, 12, 6, 18, 14, 10}; break;
    default: mix = {22, 16, 10, 12, 18, 6, 16, 16, 14, 10, 14, 10, 10}; break;
    }
    // Questions per verse 0..6, with a list-specific spread.
    std::vector<int> per_verse;
    switch (list) {
    case 'A': per_verse = {4, 10, 20, 28, 20, 12, 6}; break;
    case 'B': per_verse = {5, 12, 24, 26, 18, 10, 5}; break;
    default: per_verse = {6, 14, 22, 24, 18, 10, 6}; break;
    }
    Prng rng(seed_for(std::string("RJ.") + list));
    BankFile file(dir, std::string("RJ.") + list);
    for (const Verse& v : verses) {
        std::vector<QA> fixed;
        for (const Crafted& c : CRAFTED)
            if (c.chapter == v.chapter && c.verse == v.verse &&
                std::string(c.lists).find(list) != std::string::npos)
                fixed.push_back({FAMILIES, c.q, c.a});
        int n = rng.weighted(per_verse);
        if (in_empty_run(list, v) || v.text.empty()) continue;
        const int from_templates = std::max(0, n - static_cast<int>(fixed.size()));
        std::vector<QA> chosen = draw_questions(rng, maker.all(v), from_templates, mix);
        // Hand-written questions go in among the drawn ones.
        for (const QA& qa : fixed)
            chosen.insert(chosen.begin() + rng.below(static_cast<int>(chosen.size()) + 1), qa);
        for (const QA& qa : chosen) file.line(v.chapter, v.verse, qa.q + "\t" + qa.a);
    }
    return file.finish();
}

// A verse as it is printed for finishing or quoting. Romans 14:23 carries the closing
// doxology in this translation (Romans 16:25-27 are left empty); its FTV text stops after
// the verse's first sentence.
std::string ftv_text(const Verse& v) {
    if (v.text.size() > 400) {
        std::size_t end = v.text.find(". ");
        if (end != std::string::npos) return v.text.substr(0, end + 1);
    }
    return v.text;
}

int write_ftv(const std::filesystem::path& dir, int prim_pct, const std::vector<Verse>& verses) {
    const std::string name = prim_pct == 100 ? "FTV.00" : "FTV." + std::to_string(prim_pct);
    Prng rng(seed_for(name));
    BankFile file(dir, name);
    const std::vector<int> per_verse = {28, 42, 22, 8};
    const std::string primary = "abcde";
    for (std::size_t i = 0; i < verses.size(); ++i) {
        const Verse& v = verses[i];
        const std::string text = ftv_text(v);
        if (split_words(text).size() < 8) continue;  // the printed form needs five words
        int n = rng.weighted(per_verse);
        for (int k = 0; k < n; ++k) {
            // Kind: a primary letter a-e for PRIMPCT percent of the questions, otherwise
            // V (or VR, which readers take as kind R).
            std::string kind;
            if (rng.percent(prim_pct)) {
                kind = std::string(1, primary[rng.below(5)]);
            } else {
                kind = rng.percent(40) ? "VR" : "V";
            }
            if (rng.percent(12)) {
                // Quote question: a four-character code, the verse text from column 12.
                std::string code = "QT" + (kind.size() == 2 ? kind : kind + "1");
                file.line(v.chapter, v.verse, code + "\t" + text);
                continue;
            }
            // Finish the verse; now and then the verse together with the next one.
            std::string body = text;
            std::string span = "1";
            if (i + 1 < verses.size() && rng.percent(18)) {
                const Verse& next = verses[i + 1];
                std::string joined = text + " " + ftv_text(next);
                if (next.chapter == v.chapter && !next.text.empty() &&
                    6 + 5 + joined.size() <= FTV_LINE_LIMIT) {
                    body = joined;
                    span = "2";
                }
            }
            file.line(v.chapter, v.verse, "F" + span + kind + "\t" + body);
        }
    }
    return file.finish();
}

// Reference questions read after "According to Romans chapter 1 verse 5, " (CV Ref) or
// "According to Romans chapter 1, " (CO Ref), so they start in lower case.
int write_reference(const std::filesystem::path& dir, const std::string& name,
                    const std::string& code, const std::vector<int>& per_verse,
                    const std::vector<Verse>& verses, const QuestionMaker& maker,
                    const ProperNouns& nouns) {
    Prng rng(seed_for(name));
    BankFile file(dir, name);
    for (const Verse& v : verses) {
        std::vector<QA> pool;
        for (QA qa : maker.all(v)) {
            // Only questions that read as a continuation: drop those that name the verse
            // themselves or that are commands.
            if (qa.family == FINISH || qa.family == QUOTE || qa.family == GREET ||
                qa.family == WHERE || qa.family == YES_NO)
                continue;
            if (qa.q.find(v.ref()) != std::string::npos) continue;
            if (qa.q.find(v.chapter_ref()) != std::string::npos) continue;
            qa.q = nouns.lower_first(qa.q);
            // The printed prefix takes about 40 columns of the line; keep the rest short.
            if (9 + qa.q.size() + 1 + qa.a.size() > LINE_LIMIT) continue;
            pool.push_back(std::move(qa));
        }
        int n = rng.weighted(per_verse);
        std::array<int, FAMILIES> mix{};
        mix.fill(10);
        for (const QA& qa : draw_questions(rng, pool, n, mix))
            file.line(v.chapter, v.verse, code + "\t" + qa.q + "\t" + qa.a);
    }
    return file.finish();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_demo_bank VERSES.tsv OUTPUT_FOLDER\n";
        return 2;
    }
    const std::vector<Verse> verses = read_verses(argv[1]);
    const std::filesystem::path dir = argv[2];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) fail("cannot create " + dir.string() + ": " + ec.message());

    const ProperNouns nouns(verses);
    const QuestionMaker maker(nouns);

    std::map<std::string, int> totals;
    for (char list : {'A', 'B', 'C'})
        totals[std::string("RJ.") + list] = write_regular(dir, list, verses, maker);
    for (int pct : PRIM_PCTS)
        totals[pct == 100 ? "FTV.00" : "FTV." + std::to_string(pct)] = write_ftv(dir, pct, verses);
    totals["cv.b"] = write_reference(dir, "cv.b", "CV", {45, 42, 13}, verses, maker, nouns);
    totals["co.b"] = write_reference(dir, "co.b", "CO", {58, 34, 8}, verses, maker, nouns);
    totals["cv.c"] = write_reference(dir, "cv.c", "CV", {40, 44, 16}, verses, maker, nouns);
    totals["co.c"] = write_reference(dir, "co.c", "CO", {55, 35, 10}, verses, maker, nouns);

    for (const auto& [name, n] : totals) std::cout << name << ": " << n << " questions\n";
    return 0;
}
