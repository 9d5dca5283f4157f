// One quiz: assemble_quiz and the regular questions (choose_regular, draw_sector).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <cstring>
#include <string>

#include "assembly/assembly.h"
#include "assembly/detail.h"
#include "bank/bank.h"
#include "base/draws.h"
#include "base/utf8.h"

namespace tv {

namespace detail {

int lines_before_sector(const SectorRow& totals, int s) {
    int n = 0;
    for (int t = 1; t < s && t <= MAX_SECTORS; ++t) n += totals[t];
    return n;
}

}  // namespace detail

using namespace detail;

namespace {

constexpr int SHARE_REPLACEMENTS = 32000;  // replacements before the share is given up
constexpr int SECTOR_DRAWS = 30000;        // draws for a free sector
constexpr int ESC = 27;                    // the key that stops the run at the approval

// n right-aligned in `width` columns (wider when it needs more).
std::string field(long n, int width) {
    std::string t = num(n);
    return t.size() < static_cast<size_t>(width) ? std::string(width - t.size(), ' ') + t : t;
}

// Characters from..from+count-1 (from 1) of a line, fewer when it is shorter.
std::u32string_view chars(std::u32string_view L, size_t from, size_t count) {
    return L.substr(std::min(from - 1, L.size()), count);
}

int count_letter(const QuizTables& q, int SECTORS, char letter) {
    int n = 0;
    for (int p = 1; p <= SECTORS; ++p) n += typ_at(q, p) == letter;
    return n;
}

// Step 2 of a quiz (docs/how-it-works.md 7.1): regular repeats begin when the quiz
// passes MINQZ.
void regular_repeats(Assembly& a) {
    int Q2 = a.quiz.Q2;
    if (Q2 <= a.sectors.MINQZ) return;
    a.report.message("  **Out of Regular Questions...Using Repeats beginning quiz " + num(Q2) +
                     "**");
    a.sectors.MINQZ += a.points.MINQZ1 - 1;
    for (int s = 1; s <= MAX_SECTORS; ++s) {
        a.at.REGQUESTION[s].fill(true);
        a.sectors.QPS[s] = a.sectors.TQPS[s];
    }
    a.log.writeln("Regular Question Repeats begin quiz " + num(Q2));
}

// Step 3 of a quiz (docs/how-it-works.md 7.1, 7.3): the scarcest specialty type is
// chosen first.
void specialty_order(Assembly& a) {
    AssemblyTables& at = a.at;
    const SectorTables& sec = a.sectors;
    int RSECTORS = 0, SSECTORS = 0, FSECTORS = 0, OSECTORS = 0;
    for (int s = 1; s <= sec.SECTORS; ++s) {
        RSECTORS += sec.RPS[s] > 0;
        SSECTORS += sec.SPS[s] > 0;
        FSECTORS += sec.FPS[s] > 0;
        OSECTORS += sec.OPS[s] > 0;
    }
    at.RDIF = RSECTORS - count_letter(a.quiz, sec.SECTORS, 'R');
    at.FDIF = FSECTORS - count_letter(a.quiz, sec.SECTORS, 'F');
    at.SDIF = SSECTORS - count_letter(a.quiz, sec.SECTORS, 'S');
    at.ODIF = OSECTORS - count_letter(a.quiz, sec.SECTORS, 'O');

    auto lowest = [](int x, int o1, int o2, int o3) { return x <= o1 && x <= o2 && x <= o3; };
    if (lowest(at.FDIF, at.SDIF, at.RDIF, at.ODIF)) {
        at.PRIORITY1 = 'F';
        at.FDIF = 200;
    } else if (lowest(at.SDIF, at.FDIF, at.RDIF, at.ODIF)) {
        at.PRIORITY1 = 'S';
        at.SDIF = 200;
    } else if (lowest(at.RDIF, at.FDIF, at.SDIF, at.ODIF)) {
        at.PRIORITY1 = 'R';
        at.RDIF = 200;
    } else {
        at.PRIORITY1 = 'O';
        at.ODIF = 200;
    }
    if (lowest(at.FDIF, at.SDIF, at.RDIF, at.ODIF) && at.PRIORITY1 != 'F')
        at.PRIORITY2 = 'F';
    else if (lowest(at.SDIF, at.FDIF, at.RDIF, at.ODIF) && at.PRIORITY1 != 'S')
        at.PRIORITY2 = 'S';
    else if (lowest(at.ODIF, at.FDIF, at.SDIF, at.RDIF) && at.PRIORITY1 != 'O')
        at.PRIORITY2 = 'O';
    else
        at.PRIORITY2 = 'R';
}

// Step 4.2 of a quiz (docs/how-it-works.md 7.1): the finders in priority order, each
// type once; SIT has none.
void run_finders(Assembly& a) {
    a.at.LAST = a.at.LASTO = 99;
    bool ftvs_done = false, refs_done = false, onlys_done = false;
    auto run = [&](char type) {
        if (type == 'F' && !ftvs_done) {
            ftvs_done = true;
            fill_ftvs(a);
        }
        if (type == 'R' && !refs_done) {
            refs_done = true;
            fill_cv_refs(a);
        }
        if (type == 'O' && !onlys_done) {
            onlys_done = true;
            fill_co_refs(a);
        }
    };
    run(a.at.PRIORITY1);
    run(a.at.PRIORITY2);
    run('F');
    run('R');
    run('O');
}

bool is_special(char type) { return type == 'R' || type == 'O' || type == 'F'; }

// Step 4.4 of a quiz (docs/how-it-works.md 7.1): the approval of the specialty
// questions; gives 'Y', 'N' or Esc.
int approval(Assembly& a) {
    std::vector<std::string> lines;
    for (int p = 1; p <= a.sectors.SECTORS; ++p)
        if (is_special(typ_at(a.quiz, p))) lines.push_back(list_line(a.at, a.quiz, p));
    const int k = a.report.approve(a.quiz.Q2, a.style.QNUM, lines);
    a.at.I = static_cast<char>(k);
    if (k == ESC) return ESC;
    return k == 'y' || k == 'Y' ? 'Y' : 'N';
}

// Step 4.5 of a quiz (docs/how-it-works.md 7.1): a rejected combination gives its
// specialty questions back.
void give_back(Assembly& a) {
    AssemblyTables& at = a.at;
    SectorTables& sec = a.sectors;
    for (int p = 1; p <= sec.SECTORS; ++p) {
        char type = typ_at(a.quiz, p);
        int s = a.quiz.SECTOR[p];
        if (!is_special(type) || !in_sectors(s)) continue;
        if (type == 'R') {
            ++sec.RPS[s];
            spec_mark(at.REFERENCE, s, at.NUMBER[s]) = true;
        } else if (type == 'O') {
            ++sec.OPS[s];
            spec_mark(at.ONLY, s, at.NUMBER[s]) = true;
        } else {
            ++sec.FPS[s];
            spec_mark(at.FINISH, s, at.NUMBER[s]) = true;
        }
        at.FLAG[s] = 1;
    }
}

// Step 4 of a quiz (docs/how-it-works.md 7.1): specialty positions, approved when so
// asked. False after Esc.
bool specialty_pass(Assembly& a) {
    AssemblyTables& at = a.at;
    for (;;) {
        at.FLAG.fill(0);
        for (int s = 1; s <= a.sectors.SECTORS; ++s) at.FLAG[s] = 1;
        a.report.choosing_quiz(a.quiz.Q2);
        run_finders(a);
        if (!at.header_written) {
            a.list.writeln(list_header(a.quiz.Q2));
            a.list.writeln();
            at.header_written = true;
        }
        int answer = a.V == 1 ? approval(a) : 'Y';
        if (answer == ESC) {
            at.EN = true;
            return false;
        }
        if (answer == 'Y') return true;
        give_back(a);
    }
}

// The share cannot be reached: say so, log it and run without a share from now on.
void give_up_share(Assembly& a, bool too_many) {
    AssemblyTables& at = a.at;
    int Q2 = a.quiz.Q2;
    a.report.message(too_many ? "  **Some Sectors are out of Noninterrogative questions**"
                              : "  **Some Sectors are out of Interrogative questions**");
    a.report.message("  **Abandoning " + num(at.IPC) + " Percent interrogatives on quiz " +
                     num(Q2) + "**");
    a.log.writeln("Abandoning " + num(at.IPC) + " Percent interrogatives on quiz " + num(Q2));
    at.share_abandoned = true;
    at.ABAND = Q2;
    at.OLDIPC = at.IPC;
    at.IPC = 50;
    at.ITOT = at.INUM;
}

bool holds_interrogative(const Assembly& a, int p) {
    return interrogative(a.at, a.at.RSECTOR[p], a.at.PNUMBER[p]);
}

// Whether a replacement can never change the share. With no free sector, a
// replaced position draws again from its own sector, which keeps the question given
// back and so never starts its repeats: when none of these sectors has a question of
// the kind wanted still available, every further replacement draws the same kind.
bool share_cannot_change(Assembly& a, bool too_many, const std::function<bool(int)>& wanted) {
    AssemblyTables& at = a.at;
    const int SECTORS = a.sectors.SECTORS;
    for (int t = 1; t <= SECTORS; ++t)
        if (at.FLAG[t] == 1) return false;
    for (int p = 1; p <= SECTORS; ++p) {
        if (!wanted(p)) continue;
        int s = at.RSECTOR[p];
        for (int k = 1; k <= a.sectors.TQPS[s]; ++k)
            if (reg_mark(at.REGQUESTION, s, k) && interrogative(at, s, k) != too_many) return false;
    }
    return true;
}

// Step 7 of a quiz (docs/how-it-works.md 7.1, 7.6): replaces regular questions until
// the quiz holds INUM interrogatives: interrogative ones when there are too many,
// others when there are too few.
// The replacements stop after 32000, or as soon as they can no longer succeed.
void share_loop(Assembly& a, bool too_many) {
    AssemblyTables& at = a.at;
    SectorTables& sec = a.sectors;
    int SECTORS = sec.SECTORS;
    std::function<bool(int)> wanted = [&](int p) {
        return typ_at(a.quiz, p) == 'n' && holds_interrogative(a, p) == too_many;
    };
    int replacements = 0;
    while (too_many ? at.ITOT > at.INUM : at.ITOT < at.INUM) {
        bool candidate = false;
        for (int p = 1; p <= SECTORS && !candidate; ++p) candidate = wanted(p);
        if (replacements >= SHARE_REPLACEMENTS || !candidate ||
            share_cannot_change(a, too_many, wanted)) {
            give_up_share(a, too_many);
            return;
        }
        // Drawing positions until one is wanted ends on each wanted position alike.
        int p = draw_among(a.rng, 1, SECTORS, wanted);
        int s = at.RSECTOR[p];
        if (too_many) --at.ITOT;
        ++sec.QPS[s];
        at.FLAG[s] = 1;
        reg_mark(at.REGQUESTION, s, at.PNUMBER[p]) = true;
        at.QN[s] = 99;
        choose_regular(a, p);
        ++replacements;
    }
}

void interrogative_share(Assembly& a) {
    if (a.at.IPC == 50) return;
    if (a.at.ITOT > a.at.INUM) share_loop(a, true);
    if (a.at.IPC != 50 && a.at.ITOT < a.at.INUM) share_loop(a, false);
}

// Step 8 of a quiz (docs/how-it-works.md 7.1): the lines of the regular questions.
// Each position reads its own question, so that a sector used twice in a quiz still
// gives both texts.
void read_regular_texts(Assembly& a) {
    AssemblyTables& at = a.at;
    const SectorTables& sec = a.sectors;
    for (int s = 1; s <= sec.SECTORS; ++s)
        if (at.QN[s] <= 35) at.NUMBER[s] = at.RNUMBER[s];
    for (int p = 1; p <= sec.SECTORS; ++p) {
        if (typ_at(a.quiz, p) != 'n') continue;
        int s = at.RSECTOR[p];
        int line = a.bank.BEFORE + lines_before_sector(sec.TQPS, s) + at.PNUMBER[p];
        a.quiz.ALL[p] = a.F3.line(line, 254);
        a.quiz.RLBK[p] = to_book_chapter(a.quiz.ALL[p], a.season);
    }
}

// A sector whose questions are all used before the repeats begin (it gave two
// questions to a quiz): its own questions start again.
void sector_repeats(Assembly& a, int s) {
    a.at.REGQUESTION[s].fill(true);
    a.sectors.QPS[s] = a.sectors.TQPS[s];
    a.log.writeln("Regular Question Repeats begin quiz " + num(a.quiz.Q2) + " sector " + num(s));
}

bool any_regular_left(Assembly& a, int s) {
    const auto& marks = a.at.REGQUESTION[s];
    auto end = marks.begin() + 1 + std::min(a.sectors.TQPS[s], REG_MARKS);
    return std::find(marks.begin() + 1, end, true) != end;
}

// How many of the n marks from `first` on are set, counted eight at a time.
int marks_set(const bool* first, int n) {
    int set = 0;
    for (; n >= 8; n -= 8, first += 8) {
        uint64_t eight;
        std::memcpy(&eight, first, 8);  // eight marks of 0 or 1: their sum is the top byte
        set += static_cast<int>((eight * 0x0101010101010101ull) >> 56);
    }
    for (; n > 0; --n) set += *first++;
    return set;
}

// The question draw: numbers below TQPS + 1 until one names a question whose mark
// is set (the sector holds one). The first number is drawn as the loop draws it;
// after a miss the loop ends on each such question 1..TQPS alike, so one is drawn
// among them at once. Numbers above 100 share the marks of 1..100.
int draw_question(Assembly& a, int s) {
    int TQPS = a.sectors.TQPS[s];
    const auto& marks = a.at.REGQUESTION[s];
    if (TQPS > REG_MARKS)
        return draw_among(a.rng, 1, TQPS, [&](int k) { return reg_mark(a.at.REGQUESTION, s, k); });
    int first = a.rng.random(TQPS + 1);
    if (first >= 1 && marks[first]) return first;
    int available = marks_set(&marks[1], TQPS);
    if (available == 0) return 1;     // not reached: the sector's questions were started again
    int j = a.rng.random(available);  // the j-th (from 0) question with its mark set
    int k = 1;
    for (int in_eight; (in_eight = marks_set(&marks[k], std::min(8, TQPS - k + 1))) <= j; k += 8)
        j -= in_eight;  // passes eight marks at a time
    for (;; ++k) {
        j -= marks[k];
        if (j < 0) return k;
    }
}

[[noreturn]] void empty_sector(Assembly& a, int s) {
    a.report.stop("  Sector " + num(s) + " holds no regular question. Press Return", false);
    throw RunAbandoned{"sector " + num(s) + " holds no regular question"};
}

}  // namespace

char typ_at(const QuizTables& quiz, int p) {
    return p >= 1 && p <= static_cast<int>(quiz.TYP.size()) ? quiz.TYP[p - 1] : 'n';
}

std::string list_header(int Q2) {
    std::string h = LIST_TITLES;
    if (Q2 < 100) h += ' ';
    if (Q2 < 10) h += ' ';
    return h + std::string(27, ' ') + "Quiz " + num(Q2);
}

std::string list_line(const AssemblyTables& at, const QuizTables& quiz, int p) {
    char type = typ_at(quiz, p);
    if (type == 'S') return "";
    int s = quiz.SECTOR[p];
    // Counted in characters, so that UTF-8 text lines up as ASCII does. Only an FTV
    // line is looked at past its 50th character.
    const std::u32string decoded =
        utf8::decode(type == 'F' ? quiz.ALL[p] : utf8::prefix(quiz.ALL[p], 50));
    const std::u32string_view L = decoded;
    std::string out = field(p, 4) + "." + field(s, 4) +
                      field(s >= 0 && s <= MAX_SECTORS + 1 ? at.NUMBER[s] : 0, 4) + "  " +
                      (quiz.RLBK[p] ? quiz.RLBK[p] : ' ') + " ";
    out.reserve(out.size() + 70);
    utf8::append(out, chars(L, 1, 5));
    if (type == 'R' || type == 'O') {
        out += "  ";
        utf8::append(out, chars(L, 7, 2));
        out += "    ";
        size_t i = 10;
        for (; i < 50 && i <= L.size() && L[i - 1] != '\t'; ++i) utf8::append(out, L[i - 1]);
        if (i == 50) out += "...";
    } else if (type == 'F') {
        const size_t tab1 = L.find('\t');
        const std::u32string_view rest =
            tab1 == std::u32string_view::npos ? U"" : L.substr(tab1 + 1);
        const size_t tab2 = rest.find('\t');
        const std::u32string_view kind = rest.substr(0, tab2);
        std::u32string_view text = tab2 == std::u32string_view::npos ? U"" : rest.substr(tab2 + 1);
        text = text.substr(0, text.find('\t'));
        out += "  ";
        utf8::append(out, kind);
        if (kind.size() < 6) out.append(6 - kind.size(), ' ');
        utf8::append(out, text.substr(0, 40));
        if (text.size() > 40) out += "...";
    } else {
        out.append(8, ' ');
        utf8::append(out, chars(L, 7, 1));  // the first character is always taken
        size_t i = 8;
        for (; i <= 46 && i <= L.size() && L[i - 1] != '\t'; ++i) utf8::append(out, L[i - 1]);
        bool cut = i == 47 && i <= L.size() && L[i - 1] != '\t';
        const size_t taken = L.size() >= 7 ? i - 7 : 0;  // characters of the text
        if (cut)
            out += "...";
        else
            out.append(43 - taken, ' ');
    }
    return out;
}

namespace {

// How far the free sector farthest from the sectors of both neighbours of C1 lies
// from the nearer of them: some free sector lies more than `apart` from both
// exactly when this is above `apart`. -1 when no sector is free.
int farthest_free_sector(const Assembly& a, int C1) {
    int farthest = -1;
    for (int s = 1; s <= a.sectors.SECTORS; ++s) {
        int apart =
            std::min(std::abs(a.quiz.SECTOR[C1 - 1] - s), std::abs(a.quiz.SECTOR[C1 + 1] - s));
        farthest = std::max(farthest, a.at.FLAG[s] == 1 ? apart : -1);
    }
    return farthest;
}

}  // namespace

SectorDraw draw_sector(Assembly& a, int C1) {
    SectorDraw d;
    int SECTORS = a.sectors.SECTORS;
    // Drawing sectors until a free one comes up, at most 30000 times, finds one with
    // the chance that one of 30000 draws hits a free sector, and then each free
    // sector alike; when none comes up, the last draw is each of the others alike.
    const UsableValues free_list(1, SECTORS, [&](int s) { return a.at.FLAG[s] == 1; });
    d.free = hit_within(a.rng, SECTORS, free_list.count(), SECTOR_DRAWS);
    if (d.free)
        d.s = free_list.pick(a.rng);
    else
        d.s = UsableValues(1, SECTORS, [&](int s) { return a.at.FLAG[s] != 1; }).pick(a.rng);
    if (!d.free && a.style.SPMIN != 0) {
        int Q2 = a.quiz.Q2;
        a.log.writeln("Sectors repeat Quest " + num(C1) + " Quiz " + num(Q2));
        a.report.message_line("  << Sectors repeat Quiz " + num(Q2) + " **Check this quiz** >>");
    }
    a.quiz.SECTOR[C1] = d.s;
    d.LDIF = std::abs(a.quiz.SECTOR[C1 - 1] - d.s);
    d.NDIF = std::abs(a.quiz.SECTOR[C1 + 1] - d.s);
    return d;
}

void choose_regular(Assembly& a, int C1) {
    AssemblyTables& at = a.at;
    SectorTables& sec = a.sectors;
    a.rng.mix(a.clock.ticks_ms());
    // Sectors far from the neighbours' first: more than 5 apart, then 4, ... 1.
    SectorDraw d;
    bool found = false;
    // The draws below change neither FLAG nor the neighbours' sectors.
    const int farthest = farthest_free_sector(a, C1);
    for (int apart = 5; apart >= 1 && !found; --apart) {
        // A series whose distance no free sector keeps cannot succeed: skip its draws.
        if (farthest >= 0 && farthest <= apart) continue;
        for (int tries = 0; tries < 20 && !found; ++tries) {
            d = draw_sector(a, C1);
            // Without a free sector no later draw can find one either.
            found = (d.LDIF > apart && d.NDIF > apart) || !d.free;
        }
    }
    if (!found) d = draw_sector(a, C1);
    int s = d.s;
    at.QN[s] = C1;
    if (sec.TQPS[s] < 1) empty_sector(a, s);
    if (!any_regular_left(a, s)) sector_repeats(a, s);
    int k = draw_question(a, s);
    at.FLAG[s] = 0;
    if (a.rng.random(100) >= a.style.REPEATPCT && d.free) reg_mark(at.REGQUESTION, s, k) = false;
    if (interrogative(at, s, k)) ++at.ITOT;
    at.RNUMBER[s] = k;
    at.RSECTOR[C1] = s;
    at.PNUMBER[C1] = k;
    --sec.QPS[s];
}

void assemble_quiz(Assembly& a, int Q2, const std::string& pattern) {
    AssemblyTables& at = a.at;
    QuizTables& quiz = a.quiz;
    int SECTORS = a.sectors.SECTORS;
    at.EN = false;
    quiz.Q2 = Q2;
    for (int p = 1; p <= MAX_POSITIONS; ++p) {
        quiz.ALL[p] = "";
        quiz.ALL2[p] = " ";
        quiz.RLBK[p] = ' ';
        quiz.SECTOR[p] = 99;
        at.QN[p] = 99;
    }
    at.header_written = false;
    regular_repeats(a);
    quiz.TYP = pattern;
    specialty_order(a);
    if (!specialty_pass(a)) return;

    // Pct Int is used as the style file holds it: a share above 100 (or below 0) is one
    // the quiz cannot reach, which the share gives up on.
    at.INUM = static_cast<int>(
        std::clamp(count_letter(quiz, SECTORS, 'n') * static_cast<long long>(at.IPC) / 100, -1LL,
                   MAX_POSITIONS + 1LL));
    if (a.V == 1) a.report.line("  Choosing Regular Questions for Quiz " + num(Q2));
    at.ITOT = 0;
    for (int p = 1; p <= SECTORS; ++p)
        if (typ_at(quiz, p) == 'n') choose_regular(a, p);
    interrogative_share(a);
    read_regular_texts(a);

    for (int p = 1; p <= SECTORS; ++p) a.list.writeln(list_line(at, quiz, p));
    for (int p = SECTORS + 3; p <= 33; ++p) a.list.writeln();
}

}  // namespace tv
