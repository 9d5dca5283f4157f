// Specialty positions: the finders and the choosers of CV Ref, CO Ref and FTV
// questions, their repeats, the FTV kind spread, and repeat_sectors.
#include <algorithm>
#include <string>

#include "assembly/assembly.h"
#include "assembly/detail.h"
#include "bank/bank.h"

namespace tv {

using namespace detail;

namespace {

constexpr int REPEAT_DRAWS = 3000;     // failed draws before a repeat event
constexpr int MAX_REPEAT_EVENTS = 10;  // far more than a type with questions ever needs
constexpr int KIND_REJECTIONS = 29;    // FTV candidates rejected for their kind, at most

// What tells the three choosers apart.
struct SpecialtyKind {
    char letter;
    const char* name;              // for the screen
    SectorRow SectorTables::*PS;   // count-down per sector
    SectorRow SectorTables::*TPS;  // totals per sector
    SpecMarks AssemblyTables::*marks;
    int BankTables::*QUEST;     // set to the remaining supply
    int BankTables::*BEFORE;    // lines before the material
    int AssemblyTables::*last;  // LAST or LASTO
    bool preferred;             // the second position prefers a rich sector
    const char* first_message;
    const char* log_line;
};

const SpecialtyKind CV_REF{'R',
                           "CV Ref",
                           &SectorTables::RPS,
                           &SectorTables::TRPS,
                           &AssemblyTables::REFERENCE,
                           &BankTables::RQUEST,
                           &BankTables::RBEFORE,
                           &AssemblyTables::LAST,
                           true,
                           "  Due to sectoring restrictions we must begin CV Ref repeats in quiz ",
                           "CV Repeats begin quiz "};
const SpecialtyKind CO_REF{'O',
                           "CO Ref",
                           &SectorTables::OPS,
                           &SectorTables::TOPS,
                           &AssemblyTables::ONLY,
                           &BankTables::OQUEST,
                           &BankTables::OBEFORE,
                           &AssemblyTables::LASTO,
                           true,
                           "  Due to sectoring restrictions we must begin CO Ref repeats in quiz ",
                           "CO repeats begin quiz "};
const SpecialtyKind FTV{'F',
                        "FTV",
                        &SectorTables::FPS,
                        &SectorTables::TFPS,
                        &AssemblyTables::FINISH,
                        &BankTables::FQUEST,
                        &BankTables::FBEFORE,
                        &AssemblyTables::LASTO,
                        false,
                        "  Due to sectoring restrictions FTV repeats begin in quiz ",
                        "FTV Repeats begin quiz "};

const QuestionFile& file_of(const Assembly& a, const SpecialtyKind& kind) {
    return kind.letter == 'R' ? a.F5 : kind.letter == 'O' ? a.F6 : a.F4;
}

bool& mark(Assembly& a, const SpecialtyKind& kind, int s, int k) {
    return spec_mark(a.at.*kind.marks, s, k);
}

bool any_left(Assembly& a, const SpecialtyKind& kind, int s) {
    int n = std::min((a.sectors.*kind.TPS)[s], SPEC_MARKS);
    for (int k = 1; k <= n; ++k)
        if ((a.at.*kind.marks)[s][k]) return true;
    return false;
}

// The type has no question the quiz could take: a draw would never succeed.
[[noreturn]] void no_questions(Assembly& a, const SpecialtyKind& kind) {
    a.report.stop(
        std::string("  No ") + kind.name + " questions in the sectors of this run. Press Return",
        true);
    throw RunAbandoned{std::string("no ") + kind.name + " questions in the sectors of the run"};
}

// A repeat event: the type's questions become available again, and from the
// second event of a choice on, the sectors of the quiz too.
void repeat_event(Assembly& a, const SpecialtyKind& kind, int event) {
    SectorTables& sec = a.sectors;
    int Q2 = a.quiz.Q2;
    int supply = 0;
    for (int s = 1; s <= sec.SECTORS; ++s) supply += (sec.*kind.TPS)[s];
    if (supply <= 0 || event > MAX_REPEAT_EVENTS) no_questions(a, kind);

    if (kind.letter == 'F') a.report.line("");
    a.report.message(kind.letter == 'F' || event == 1 ? kind.first_message + num(Q2)
                                                      : std::string());
    if (event == 1) a.log.writeln(kind.log_line + num(Q2));
    if (kind.letter == 'F') a.points.FQUIZ = Q2 + a.points.FQUIZ1;
    if (event >= 2) repeat_sectors(a);
    a.report.choosing_quiz(Q2);
    for (int s = 1; s <= MAX_SECTORS; ++s) {
        (a.at.*kind.marks)[s].fill(true);
        (sec.*kind.PS)[s] = (sec.*kind.TPS)[s];
    }
}

struct Choice {
    int s, k;
};

// Steps 1-4 of a specialty choice (docs/how-it-works.md 7.4): a free sector with an
// unused question of the type.
Choice draw(Assembly& a, const SpecialtyKind& kind) {
    SectorTables& sec = a.sectors;
    AssemblyTables& at = a.at;
    SectorRow& PS = sec.*kind.PS;
    const SectorRow& TPS = sec.*kind.TPS;
    int SECTORS = sec.SECTORS;

    int supply = 0;
    for (int s = 1; s <= SECTORS; ++s) supply += PS[s];
    a.bank.*kind.QUEST = supply;
    int preferred = 0;
    if (kind.preferred && at.SECOND == 2) {
        for (int s = SECTORS; s >= 1 && preferred == 0; --s)
            if (PS[s] > supply / 3) preferred = s;
        if (preferred == at.*kind.last) preferred = 0;
    }

    int events = 0, draws = 0;
    if (kind.letter == 'F' && a.quiz.Q2 > a.points.FQUIZ && a.quiz.Q2 > 3) draws = REPEAT_DRAWS;
    Choice c{0, 0};
    for (;;) {
        ++draws;
        c.s = a.rng.random(SECTORS) + 1;
        if (draws > REPEAT_DRAWS) {
            repeat_event(a, kind, ++events);
            draws = 0;
        }
        if (at.FLAG[c.s] != 1 || PS[c.s] <= 0 || TPS[c.s] < 1) continue;
        do c.k = a.rng.random(TPS[c.s] + 1);
        while (c.k < 1);
        if (mark(a, kind, c.s, c.k)) break;
    }
    // A preferred sector whose marks are all used (it holds more questions than
    // marks) would never give a question: it is passed over.
    if (preferred != 0 && at.FLAG[preferred] == 1 && PS[preferred] > 0 &&
        any_left(a, kind, preferred)) {
        c.s = preferred;
        do c.k = a.rng.random(TPS[c.s] + 1);
        while (c.k < 1 || !mark(a, kind, c.s, c.k));
    }
    return c;
}

char ftv_kind(const BankTables& bank, int s, int k) {
    if (!in_sectors(s) || k < 1 || k >= static_cast<int>(bank.FTYPE[s].size())) return ' ';
    return bank.FTYPE[s][k];
}

// K1, K3 (docs/how-it-works.md 7.4): whether the FTV candidate's kind may follow the
// last ones.
bool accept_kind(Assembly& a, int s, int k) {
    AssemblyTables& at = a.at;
    at.FTCC = ftv_kind(a.bank, s, k);
    if (at.FTC < KIND_REJECTIONS) {
        if (at.FTCC == at.FTC2 || (at.FTCC == at.FTC3 && at.FTC < 14) ||
            (at.FTCC == at.FTC4 && at.FTC < 4))
            return false;
    } else {
        at.FTC = KIND_REJECTIONS + 1;
    }
    at.FTC4 = at.FTC3;
    at.FTC3 = at.FTC2;
    at.FTC2 = at.FTCC;
    return true;
}

void choose(Assembly& a, const SpecialtyKind& kind, int C1) {
    AssemblyTables& at = a.at;
    SectorRow& PS = a.sectors.*kind.PS;
    int last_at_start = at.*kind.last;
    at.FTC = 0;
    Choice c;
    for (;;) {
        c = draw(a, kind);
        a.quiz.SECTOR[C1] = c.s;
        at.FLAG[c.s] = 0;
        if (a.rng.random(100) >= a.style.REPEATPCT) mark(a, kind, c.s, c.k) = false;
        at.NUMBER[c.s] = c.k;
        --PS[c.s];
        at.*kind.last = c.s;
        if (kind.letter != 'F' || accept_kind(a, c.s, c.k)) break;
        // K2 (docs/how-it-works.md 7.4): the kind follows too closely on the last ones;
        // undo and choose again.
        at.FLAG[c.s] = 1;
        mark(a, kind, c.s, c.k) = true;
        ++PS[c.s];
        at.*kind.last = last_at_start;
        ++at.FTC;
    }
    const QuestionFile& file = file_of(a, kind);
    int line = a.bank.*kind.BEFORE + lines_before_sector(a.sectors.*kind.TPS, c.s) + c.k;
    a.quiz.ALL[C1] = file.line(line, 254);
    if (kind.letter == 'F') a.quiz.ALL2[C1] = file.part(line, 254, 254);
    a.quiz.RLBK[C1] = to_book_chapter(a.quiz.ALL[C1], a.season);
}

void find(Assembly& a, char letter, void (*chooser)(Assembly&, int)) {
    for (int p = 1; p <= a.sectors.SECTORS; ++p) {
        if (typ_at(a.quiz, p) != letter) continue;
        ++a.at.SECOND;
        chooser(a, p);
    }
    a.at.SECOND = 0;
    a.at.LAST = 99;
    a.at.LASTO = 99;
}

}  // namespace

void choose_cv_ref(Assembly& a, int C1) { choose(a, CV_REF, C1); }
void choose_co_ref(Assembly& a, int C1) { choose(a, CO_REF, C1); }
void choose_ftv(Assembly& a, int C1) { choose(a, FTV, C1); }

void fill_cv_refs(Assembly& a) { find(a, 'R', choose_cv_ref); }
void fill_co_refs(Assembly& a) { find(a, 'O', choose_co_ref); }
void fill_ftvs(Assembly& a) { find(a, 'F', choose_ftv); }

void repeat_sectors(Assembly& a) {
    const int Q2 = a.quiz.Q2;
    a.report.message_again("  Sectors or questions will be repeated in quiz " + num(Q2));
    a.log.writeln("Sectors or Questions repeated in quiz " + num(Q2));
    for (int s = 1; s <= a.sectors.SECTORS && s < static_cast<int>(a.at.FLAG.size()); ++s)
        a.at.FLAG[s] = 1;
}

}  // namespace tv
