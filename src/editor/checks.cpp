#include "editor/checks.h"

#include <algorithm>

namespace tv {

namespace {

// The book a field's offset stands for.
const Book& book_of(const Season& EVS, int offset) { return EVS.book_of(offset + 1); }

// A book key's book, as the book field holds it.
void set_book(std::string& book, int& offset, const Book& b) {
    book = std::string(" ") + b.letter;
    offset = b.offset;
}

bool level_l_has(const Season& EVS, const Book& b) {
    for (int ch = 1; ch <= b.chapters(); ++ch)
        if (EVS.level_l_covers(b.offset + ch)) return true;
    return false;
}

// The first chapter from `from` on (dir +1) or back (dir -1) that level L covers, 0 for none.
int level_l_next(const Season& EVS, const Book& b, int from, int dir) {
    for (int ch = from; ch >= 1 && ch <= b.chapters(); ch += dir)
        if (EVS.level_l_covers(b.offset + ch)) return ch;
    return 0;
}

// The specialty sum told at Total Min or Total Max (`total`), "" when it holds.
std::string sum_problem(const Style& s, int Style::*total) {
    for (const SettingProblem& p : specialty_range_problems(s))
        if (p.across && p.number == total) return p.text;
    return "";
}

}  // namespace

int verse_count(const Season& EVS, int chapter, int offset) {
    return EVS.verses(std::clamp(chapter + offset, 1, EVS.chapters()));
}

int level_l_begin(const Season& EVS, const EditorStyle& s, int chapter) {
    const Book& b = book_of(EVS, s.ADDB);
    if (!level_l_has(EVS, b)) return chapter;
    const int next = level_l_next(EVS, b, std::max(chapter, 1), +1);
    return next != 0 ? next : level_l_next(EVS, b, b.chapters(), -1);
}

int level_l_end(const Season& EVS, const EditorStyle& s, int chapter) {
    const Book& b = book_of(EVS, s.ADDE);
    if (!level_l_has(EVS, b)) return chapter;
    const int before = level_l_next(EVS, b, std::min(chapter, b.chapters()), -1);
    return before != 0 ? before : level_l_next(EVS, b, 1, +1);
}

void set_begin_book(EditorStyle& s, const Season& EVS, const Book& book) {
    set_book(s.BBK, s.ADDB, book);
    int& c = s.BCHAP;
    if (c > book.chapters()) {
        c = 1;
        s.BVER = 1;
    }
    if (s.LG == 'L') {
        const int to = level_l_begin(EVS, s, c);
        if (to != c) {
            c = to;
            s.BVER = 1;
        }
    }
    s.BVER = std::min(s.BVER, verse_count(EVS, c, s.ADDB));
}

void correct_begin_chapter(EditorStyle& s, const Season& EVS) {
    int& c = s.BCHAP;
    c = std::min(c, book_of(EVS, s.ADDB).chapters());
    if (s.LG == 'L') c = level_l_begin(EVS, s, c);
    s.BVER = std::min(s.BVER, verse_count(EVS, c, s.ADDB));
}

void set_end_book(EditorStyle& s, const Season& EVS, const Book& book) {
    set_book(s.EBK, s.ADDE, book);
    if (s.ECHAP > book.chapters()) {
        s.ECHAP = book.chapters();
        s.EVER = verse_count(EVS, s.ECHAP, s.ADDE);
    }
    s.EVER = std::min(s.EVER, verse_count(EVS, s.ECHAP, s.ADDE));
}

void correct_end_chapter(EditorStyle& s, const Season& EVS) {
    int& c = s.ECHAP;
    c = std::min(c, book_of(EVS, s.ADDE).chapters());
    if (s.LG == 'L') c = level_l_end(EVS, s, c);
    s.EVER = verse_count(EVS, c, s.ADDE);
}

void lower_begin_verse(EditorStyle& s, const Season& EVS) {
    s.BVER = std::min(s.BVER, verse_count(EVS, s.BCHAP, s.ADDB));
}

void lower_end_verse(EditorStyle& s, const Season& EVS) {
    s.EVER = std::min(s.EVER, verse_count(EVS, s.ECHAP, s.ADDE));
}

int allowed_prim_pct(int v) {
    if (v > 100) return 100;
    if (v >= 97) return v;
    if (v >= 91) return 99;
    if (v >= 88) return v;
    if (v >= 81) return 89;
    if (v >= 78) return v;
    if (v >= 71) return 79;
    if (v >= 68) return v;
    if (v >= 61) return 69;
    if (v >= 57) return v;
    return 59;
}

bool deck_overruns_quiz(const EditorStyle& s) {
    // A drawn pattern deals its cards one a position from the window's start. A window
    // with fewer positions than specialties takes one card more than it has positions,
    // a regular one that may land anywhere: the card past the window's end is then a
    // specialty at times. It is lost only past position 30 (the pattern is drawn again);
    // before it, past the quiz's last question, the quiz silently loses a specialty.
    // Patterns set by hand use no deck.
    const long long positions = static_cast<long long>(s.SPLATE) - s.SPEARLY + 1;
    return s.SETSPC != 'Y' && s.SPMAX >= positions && s.SPLATE >= s.QMAX && s.SPLATE < 30;
}

int failing_check(const EditorStyle& s) {
    bool by_hand = s.SETSPC == 'Y';
    int begin = s.BCHAP + s.ADDB, end = s.ECHAP + s.ADDE;
    const bool fails[] = {
        !sum_problem(s, &Style::SPMIN).empty(),
        !sum_problem(s, &Style::SPMAX).empty(),
        s.SPLATE > s.QMAX,
        s.SPLATE - s.SPEARLY + 1 < s.SPMAX,
        by_hand && s.FMIN != s.FMAX,
        by_hand && s.RMIN != s.RMAX,
        by_hand && s.OMIN != s.OMAX,
        by_hand && s.SMIN != s.SMAX,
        begin > end || (begin == end && s.BVER > s.EVER),
        deck_overruns_quiz(s),
    };
    for (int n = 1; n <= CHECK_COUNT; ++n)
        if (fails[n - 1]) return n;
    return 0;
}

Field check_field(int n) {
    static constexpr Field fields[] = {
        Field::None,      Field::TotalMin,     Field::TotalMax,    Field::WindowEnd,
        Field::WindowEnd, Field::FtvMin,       Field::CvRefMin,    Field::CoRefMin,
        Field::SitMin,    Field::BeginChapter, Field::WindowStart,
    };
    return n >= 1 && n <= CHECK_COUNT ? fields[n] : Field::None;
}

std::string check_reason(const EditorStyle& s, int n) {
    using std::to_string;
    const auto place = [](const std::string& book, int chapter, int verse) {
        return (book.empty() ? std::string("R") : book.substr(book.size() - 1)) + " " +
               to_string(chapter) + ":" + to_string(verse);
    };
    const auto fixed = [&](const char* type, int min, int max) {
        return std::string("With Set Specialty Quest nos Y, ") + type + " Min (" + to_string(min) +
               ") and Max (" + to_string(max) + ") must be equal";
    };
    std::string why;
    switch (n) {
    case 1: why = sum_problem(s, &Style::SPMIN); break;
    case 2: why = sum_problem(s, &Style::SPMAX); break;
    case 3:
        why = "The specialty window ends at " + to_string(s.SPLATE) + ", past the " +
              to_string(s.QMAX) + " Questions per pack";
        break;
    case 4:
        why = "The specialty window " + to_string(s.SPEARLY) + "-" + to_string(s.SPLATE) +
              " holds fewer than the " + to_string(s.SPMAX) + " specialties of Total Max";
        break;
    case 5: why = fixed("FTV", s.FMIN, s.FMAX); break;
    case 6: why = fixed("CV Ref", s.RMIN, s.RMAX); break;
    case 7: why = fixed("CO Ref", s.OMIN, s.OMAX); break;
    case 8: why = fixed("Situation", s.SMIN, s.SMAX); break;
    case 9:
        why = "The material begins at " + place(s.BBK, s.BCHAP, s.BVER) + ", after its end at " +
              place(s.EBK, s.ECHAP, s.EVER);
        break;
    case 10:
        why = "Total Max " + to_string(s.SPMAX) + " fills the window " + to_string(s.SPEARLY) +
              "-" + to_string(s.SPLATE) + ", so a specialty may land past question " +
              to_string(s.QMAX);
        break;
    default: break;
    }
    // Numbers of a hand-edited file can be long: the line never passes column 79.
    return why.substr(0, 78);
}

}  // namespace tv
