// make_pattern: one specialty pattern. The counts are drawn within the style's
// ranges, the specialties are laid as a deck of cards with regular cards, and 15
// candidates are dealt into the window by a rule that prefers cards far from the
// last one dealt; a candidate with more neighbouring specialties of one type than
// the pattern kept so far is dropped.
#include <algorithm>
#include <cstdlib>

#include "base/draws.h"
#include "patterns/patterns.h"

namespace tv {

namespace {

// Bounds on the retries. A matching split of the counts comes within a few tries
// for settings that pass check_specialty_settings. A pattern is kept when it still
// holds every drawn specialty after the mirroring of its 15 candidates; when no
// mirror happens (6 in 10 for each candidate) nothing is lost, so every attempt
// succeeds at least 0.6^15 of the time, once in 2,127. Many styles the form
// accepts need about that many (a window 4-15 with 10 FTV, 6-20 with 8); 100,000
// attempts then fail less than once in 10^20, so the bound only stops settings
// that can never be met.
constexpr long COUNT_TRIES = 1'000'000;
constexpr int PATTERN_TRIES = 100'000;
constexpr int CANDIDATES = 15;

char& at(std::string& pattern, int p) { return pattern[p - 1]; }
char at(const std::string& pattern, int p) { return pattern[p - 1]; }

std::string fixed_pattern(const Style& s) {
    std::string typ = s.TYP;
    typ.resize(PATTERN_LENGTH, 'n');
    return typ;
}

// A draw below max + 1 that favours the midpoint of min..max: unless the first
// value is the midpoint, a second value is drawn and taken instead.
int favour_midpoint(DrawSource& rnd, int max, int min) {
    int v;
    do {
        v = rnd.random(max + 1);
        if (2 * v != max + min) v = rnd.random(max + 1);
    } while (v < min);
    return v;
}

// The undealt cards of the deck, or the undealt regular ones. Drawing indices
// below Z + 1 until one names such a card (0 names none) takes each of them alike,
// which is the one draw of UsableValues::pick.
UsableValues undealt_cards(const Patterns& P) {
    return UsableValues(1, P.Z, [&](int i) { return !P.FLAG[i]; });
}
UsableValues undealt_regular_cards(const Patterns& P) {
    return UsableValues(1, P.Z, [&](int i) { return !P.FLAG[i] && P.DB[i] == 'n'; });
}

}  // namespace

// After a regular card: whether an extra regular card is to follow, by the
// spacing D of the specialties over the window.
bool extra_card_due(const Patterns& P, DrawSource& rnd) {
    struct Rule {
        int below, succeeds_under, cap, more_than;
    };
    double D = static_cast<double>(P.SPLATE - P.SPEARLY) / P.SPECS;
    Rule r;
    if (D > 2.5 && D < 3)
        r = {7, 4, 6, 5};
    else if (D >= 3 && D < 4)
        r = {7, 5, 8, 2};
    else if (D > 2 && D < 2.5)
        r = {4, 3, 3, 5};
    else if (D >= 4)
        r = {7, 7, 20, 0};
    else
        return false;
    bool drawn = rnd.random(r.below) < r.succeeds_under;
    return drawn && P.K < r.cap && P.Z - P.SPECS > r.more_than && !P.LU;
}

// For a window from position 1 this is a reversal. For a later window the letters
// come from positions 1..SPLATE - SPEARLY + 1: the specialties of the window's last
// SPEARLY - 1 positions are lost and regular positions from before the window move
// in. Such a pattern falls short of SPECS and is made again from new counts.
void mirror(std::string& pattern, int SPEARLY, int SPLATE) {
    const std::string before = pattern;
    for (int X = SPEARLY; X <= SPLATE; ++X) at(pattern, X) = at(before, SPLATE - X + 1);
}

int pick_card(const Patterns& P, DrawSource& rnd) { return undealt_cards(P).pick(rnd); }

int find_extra_card(const Patterns& P, DrawSource& rnd) {
    // The search draws indices below Z + 1, at most 100 times, until one names an
    // undealt regular card, and takes it only when found within the first 99 draws:
    // it succeeds when one of 99 draws hits such a card, and then takes each of
    // them alike. Both are decided directly.
    const UsableValues regular = undealt_regular_cards(P);
    if (!hit_within(rnd, P.Z + 1, regular.count(), 99)) return 0;
    return regular.pick(rnd);
}

int count_specialties(const std::string& pattern) {
    int n = 0;
    for (int p = 1; p <= PATTERN_LENGTH && p <= static_cast<int>(pattern.size()); ++p)
        if (at(pattern, p) != 'n') ++n;
    return n;
}

void check_specialty_settings(const Style& s) {
    if (s.SETSPC != 'N') {
        int held = count_specialties(fixed_pattern(s)), specs = fixed_specialty_count(s);
        if (held != specs)
            throw PatternError("The specialty positions set by hand hold " + std::to_string(held) +
                               " questions, but the type maxima add up to " +
                               std::to_string(specs) + ".");
        return;
    }
    const std::vector<SettingProblem> ranges = specialty_range_problems(s);
    if (!ranges.empty()) throw PatternError(ranges.front().text + ".");
    int late = std::min(s.SPLATE, PATTERN_LENGTH);
    if (s.SPEARLY < 1 || s.SPEARLY > late)
        throw PatternError("Specialties may appear from " + std::to_string(s.SPEARLY) + " to " +
                           std::to_string(s.SPLATE) + ": no question positions.");
    if (s.SPMAX > PATTERN_LENGTH - s.SPEARLY + 1)
        throw PatternError("A Total Max of " + std::to_string(s.SPMAX) +
                           " does not fit in positions " + std::to_string(s.SPEARLY) + " to 30.");
}

void draw_counts(Patterns& P, const Style& s, DrawSource& rnd) {
    do P.SPECS = rnd.random(s.SPMAX + 1);
    while (P.SPECS < s.SPMIN);
    for (long tries = 0;; ++tries) {
        if (tries == COUNT_TRIES)
            throw PatternError("No split of " + std::to_string(P.SPECS) +
                               " specialty questions into the type ranges was found.");
        do P.FTVS = rnd.random(s.FMAX + 1);
        while (P.FTVS < s.FMIN);
        P.REFS = favour_midpoint(rnd, s.RMAX, s.RMIN);
        P.ONLYS = favour_midpoint(rnd, s.OMAX, s.OMIN);
        do P.SITS = rnd.random(s.SMAX + 1);
        while (P.SITS < s.SMIN);
        if (P.FTVS + P.REFS + P.ONLYS + P.SITS == P.SPECS) return;
    }
}

void lay_deck(Patterns& P, DrawSource& rnd) {
    P.DB.fill('n');
    struct Block {
        char letter;
        int count;
    };
    std::array<Block, 4> order;
    if (rnd.random(2) == 1)
        order = {{{'F', P.FTVS}, {'R', P.REFS}, {'O', P.ONLYS}, {'S', P.SITS}}};
    else if (rnd.random(2) == 1)
        order = {{{'R', P.REFS}, {'F', P.FTVS}, {'O', P.ONLYS}, {'S', P.SITS}}};
    else
        order = {{{'O', P.ONLYS}, {'F', P.FTVS}, {'R', P.REFS}, {'S', P.SITS}}};
    int card = 1;
    for (const Block& b : order)
        for (int i = 0; i < b.count; ++i) P.DB[card++] = b.letter;
    int length = P.SPLATE - P.SPEARLY + 1;
    P.Z = P.SPECS < length ? length : P.SPECS + 1;
}

void make_candidate(Patterns& P, DrawSource& rnd) {
    P.K = 0;
    P.LU = false;
    P.FLAG.fill(false);
    // TYP keeps 'n' before the window; every position from its start on is dealt or
    // cleared below.
    int next = P.SPEARLY;

    P.LAST = rnd.random(5);
    if (rnd.random(2) == 1) P.LAST = rnd.random(20);
    if (rnd.random(3) == 1) P.LAST = rnd.random(10);
    if (rnd.random(3) == 1) P.LAST = 0;

    // The undealt cards in deck order, kept as cards are dealt: a draw below their
    // number names one as pick_card does. (Patterns of a late window are made many
    // times over before one keeps its specialties, so the deal is kept cheap.)
    std::array<int, PATTERN_LENGTH + 2> undealt;
    int left = P.Z;
    for (int i = 0; i < left; ++i) undealt[i] = i + 1;
    int dealt = 0;
    auto deal = [&](int card) {
        P.FLAG[card] = true;
        P.LAST = card;
        if (next <= PATTERN_LENGTH) at(P.TYP, next) = P.DB[card];  // past 30 a card is lost
        ++next;
        ++dealt;
        int* end = undealt.begin() + left;
        int* here = std::find(undealt.begin(), end, card);
        std::copy(here + 1, end, here);
        --left;
    };
    while (dealt < P.Z) {
        int card = undealt[rnd.random(left)];
        for (int i = 0; i < 5; ++i) {
            int other = undealt[rnd.random(left)];
            if (std::abs(other - P.LAST) > std::abs(card - P.LAST)) card = other;
        }
        deal(card);
        if (P.DB[card] != 'n') {
            P.LU = false;
            continue;
        }
        if (P.SPECS > 0 && extra_card_due(P, rnd)) {
            if (int extra = find_extra_card(P, rnd)) {
                deal(extra);
                P.LU = true;
                ++P.K;
            }
        }
    }
    for (int p = P.SPEARLY + P.Z; p <= PATTERN_LENGTH; ++p) at(P.TYP, p) = 'n';

    for (int p = 1; p <= std::min(P.Z, PATTERN_LENGTH); ++p) {
        char c = at(P.TYP, p);
        if (c == 'n') continue;
        if (c == P.PREV) ++P.W;
        P.PREV = c;
    }
    if (P.W > P.WLAST) {
        P.TYP = P.TYP2;
        P.W = P.WLAST;
    }
    if (rnd.random(10) > 5) mirror(P.TYP, P.SPEARLY, P.SPLATE);
    P.TYP2 = P.TYP;
    P.WLAST = P.W;
}

std::string make_pattern(Patterns& P, const Style& s, DrawSource& rnd) {
    check_specialty_settings(s);
    if (s.SETSPC != 'N') {
        P.SPECS = fixed_specialty_count(s);
        P.TYP = fixed_pattern(s);
        return P.TYP;  // its letter count was checked above
    }
    P.SPEARLY = s.SPEARLY;
    P.SPLATE = std::min(s.SPLATE, PATTERN_LENGTH);
    for (int attempt = 0; attempt < PATTERN_TRIES; ++attempt) {
        draw_counts(P, s, rnd);
        lay_deck(P, rnd);
        // The repeat count W starts at 0 each time a pattern is dealt (again after
        // one fell short too) and carries from one candidate to the next, as does
        // the type of the last specialty walked: W never falls, so a later candidate
        // wins only when it adds no repeat at all. Starting afresh for each pattern
        // keeps one quiz's repeats from deciding which candidates of the next can win.
        P.WLAST = 90;
        P.PREV = 'X';
        P.W = 0;
        P.TYP2.assign(PATTERN_LENGTH, 'n');
        for (int c = 0; c < CANDIDATES; ++c) make_candidate(P, rnd);
        if (count_specialties(P.TYP) == P.SPECS) return P.TYP;
    }
    throw PatternError("No pattern of the drawn specialty counts could be dealt in positions " +
                       std::to_string(P.SPEARLY) + " to " + std::to_string(P.SPLATE) + ".");
}

std::string make_pattern(Patterns& P, const Style& s, Random& random) {
    GeneratorDraws rnd(random);
    return make_pattern(P, s, rnd);
}

}  // namespace tv
