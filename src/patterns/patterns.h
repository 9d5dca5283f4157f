// Specialty patterns: for every quiz of a run, which question positions hold an
// FTV ("F"), CV Ref ("R"), CO Ref ("O") or SIT ("S") question and which a regular
// one ("n"). make_pattern makes one pattern, generate_patterns makes the patterns of a run, has
// them reviewed (through a PatternReport) and writes "pat.txt".
// Everything works on the style settings it is given: the run's, or the form's.
#pragma once
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "bank/textfile.h"
#include "base/random.h"
#include "base/run_abandoned.h"
#include "style/style.h"

namespace tv {

constexpr int PATTERN_LENGTH = 30;
constexpr const char* PATTERN_FILE = "pat.txt";

// Where the generator takes its numbers from: random(n) is uniform on 0..n-1.
// The program uses its one generator; a test can script every draw.
class DrawSource {
public:
    virtual ~DrawSource() = default;
    virtual int random(int n) = 0;
};

// The program's generator as a draw source.
class GeneratorDraws : public DrawSource {
public:
    explicit GeneratorDraws(Random& r) : r_(r) {}
    int random(int n) override { return r_.random(n); }

private:
    Random& r_;
};

// The style's specialty settings admit no pattern: the text says why.
struct PatternError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The pattern generator's working data and the patterns of the run.
struct Patterns {
    // Drawn total and counts of FTV, CV Ref, CO Ref and SIT questions.
    int SPECS = 0, FTVS = 0, REFS = 0, ONLYS = 0, SITS = 0;
    // The specialty window in use, kept within positions 1-30.
    int SPEARLY = 1, SPLATE = PATTERN_LENGTH;
    // The deck: cards 1..Z (at most 31: the window, or SPECS + 1), and their dealt marks.
    std::array<char, PATTERN_LENGTH + 2> DB{};
    std::array<bool, PATTERN_LENGTH + 2> FLAG{};
    int Z = 0;
    // The pattern being built and the best one kept (30 letters each).
    std::string TYP = std::string(PATTERN_LENGTH, 'n');
    std::string TYP2 = std::string(PATTERN_LENGTH, 'n');
    int LAST = 0;     // deck index of the card dealt last
    int K = 0;        // extra regular cards inserted in this candidate
    bool LU = false;  // an extra regular card was the last card inserted
    int W = 0;        // repeat count, carried from candidate to candidate (0 per pattern)
    int WLAST = 0;    // repeat count of the pattern kept
    char PREV = 'X';  // type of the last specialty walked, across candidates

    // The patterns of the run: PAT[1..QZ].
    std::vector<std::string> PAT;
    int QZ = 0;
};

// Throws PatternError when the style's specialty settings admit no pattern:
// specialty ranges a run cannot use (specialty_range_problems), a window with no positions or too few from its
// start to position 30, or a fixed pattern whose letters differ in number from
// the type maxima.
void check_specialty_settings(const Style& s);

// Positions 1-30 of a pattern that hold a specialty letter.
int count_specialties(const std::string& pattern);

// The steps of make_pattern (docs/how-it-works.md 6.2-6.6), exposed so that each can be
// checked on its own.
// Counts: SPECS, then FTVS, REFS, ONLYS, SITS until they add up to SPECS.
void draw_counts(Patterns& P, const Style& s, DrawSource& rnd);
// The deck: specialty cards in one of three orders, then regular cards; sets Z.
void lay_deck(Patterns& P, DrawSource& rnd);
// An undealt card of 1..Z, each alike; 0 when every card is dealt.
int pick_card(const Patterns& P, DrawSource& rnd);
// The card for an extra regular slot: as drawing indices below Z + 1 at most 100
// times for an undealt regular card and taking one found within 99 draws; 0 if none.
int find_extra_card(const Patterns& P, DrawSource& rnd);
// After a regular card: whether an extra regular card is to follow, by the spacing
// D of the specialties over the window (docs/how-it-works.md 6.4, step 4).
bool extra_card_due(const Patterns& P, DrawSource& rnd);
// Mirroring of the window: position X of SPEARLY..SPLATE takes the letter of
// position SPLATE - X + 1 of the pattern as it was; other positions keep theirs.
void mirror(std::string& pattern, int SPEARLY, int SPLATE);
// One candidate: deal the deck into the window, count its repeats, keep it or
// the pattern kept before, maybe mirror it; leaves the result in TYP and TYP2.
void make_candidate(Patterns& P, DrawSource& rnd);

// Makes one pattern and leaves it in P.TYP (also returned). A fixed pattern
// (SETSPC not "N") is the style's TYP as it stands. Throws PatternError.
std::string make_pattern(Patterns& P, const Style& s, DrawSource& rnd);
std::string make_pattern(Patterns& P, const Style& s, Random& random);

// What the pattern step shows the user; the run's screens answer.
struct PatternReport {
    virtual ~PatternReport() = default;
    // Quizzes 1..P.QZ of P.PAT are reviewed: the user may draw any of them again from `rnd`.
    virtual void review(Patterns& P, const Style& s, DrawSource& rnd) = 0;
    // The style's specialty settings cannot be met, for the reason `why`: said and
    // acknowledged before the run stops.
    virtual void ranges_unmet(const std::string& why) = 0;
};

// Makes the patterns of quizzes 1..P.QZ, has them reviewed and writes "pat.txt",
// one line of 30 letters per quiz. Throws PatternError.
void generate_patterns(PatternReport& report, const Files& files, DrawSource& rnd, Patterns& P,
                       const Style& s);

// The run driver's pattern step: QZ := QNUM, generate_patterns, then the patterns read back
// from "pat.txt" as PAT[1..QZ] (entry 0 unused). Throws RunAbandoned when the
// style's specialty settings cannot be met (after the report said so).
std::vector<std::string> make_patterns(PatternReport& report, const Files& files, Random& random,
                                       const Style& style, int QNUM, Patterns& P);

}  // namespace tv
