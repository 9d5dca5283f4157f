#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "patterns/patterns.h"
#include "patterns_support.h"

using namespace tv;
using tv::test::ScriptedDraws;
using tv::test::generating;

namespace {

std::string n30(const std::string& head) { return head + std::string(30 - head.size(), 'n'); }

}  // namespace

// Counts: the total first, then the four types until they add up to it; CV Ref
// and CO Ref take a second draw unless the first is the exact midpoint.
TEST(DrawCounts, RedrawsUntilTheTypesAddUpToTheTotal) {
    EditorStyle s = generating(1, 10, 2, 5, {1, 2}, {1, 3}, {0, 1}, {0, 0});
    ScriptedDraws d;
    d.add(6, {1, 4});                                  // SPECS: 1 is below SPMIN, then 4
    d.add(3, {0, 2});                                  // FTVS: 0 below FMIN, then 2
    d.add(4, {0, 0, 2});                               // REFS: 0 -> 0 below RMIN; 2 is the midpoint
    d.add(2, {0, 1});                                  // ONLYS: midpoint 0.5 never matches: 0 -> 1
    d.add(1, 0);                                       // SITS; the sum 5 is not 4
    d.add(3, 1);                                       // FTVS 1
    d.add(4, {3, 1});                                  // REFS 3 -> 1
    d.add(2, {1, 0});                                  // ONLYS 1 -> 0
    d.add(1, 0);                                       // sum 2
    d.add(3, 2);                                       // FTVS 2
    d.add(4, {3, 2});                                  // REFS 3 -> 2
    d.add(2, {0, 0});                                  // ONLYS 0 -> 0
    d.add(1, 0);                                       // sum 4
    Patterns P;
    draw_counts(P, s, d);
    EXPECT_TRUE(d.done());
    EXPECT_EQ(P.SPECS, 4);
    EXPECT_EQ(P.FTVS, 2);
    EXPECT_EQ(P.REFS, 2);
    EXPECT_EQ(P.ONLYS, 0);
    EXPECT_EQ(P.SITS, 0);
}

TEST(LayDeck, ThreeOrdersAndTheCardsInUse) {
    struct Case {
        std::vector<std::pair<int, int>> draws;
        int early, late;
        std::string cards;
        int Z;
    };
    const Case cases[] = {
        {{{2, 1}}, 1, 10, "FFROSnnnnn", 10},               // window longer than the total
        {{{2, 0}, {2, 1}}, 1, 10, "RFFOSnnnnn", 10},
        {{{2, 0}, {2, 0}}, 3, 7, "OFFRSn", 6},             // total fills the window: SPECS + 1
    };
    for (const Case& c : cases) {
        ScriptedDraws d;
        for (auto [below, v] : c.draws) d.add(below, v);
        Patterns P;
        P.SPECS = 5, P.FTVS = 2, P.REFS = 1, P.ONLYS = 1, P.SITS = 1;
        P.SPEARLY = c.early, P.SPLATE = c.late;
        lay_deck(P, d);
        EXPECT_TRUE(d.done());
        EXPECT_EQ(P.Z, c.Z);
        EXPECT_EQ(std::string(P.DB.begin() + 1, P.DB.begin() + 1 + c.Z), c.cards);
        EXPECT_EQ(P.DB[31], 'n');
    }
}

// One candidate worked through by hand. Window 3-9, one FTV and one CV Ref:
// D = (9 - 3) / 2 = 3, so after a regular card an extra one follows when a draw
// below 7 is below 5, K is below 8 and no extra card came last.
// A card is picked by a draw below the number of undealt cards: draw j takes the
// (j+1)-th undealt card in deck order. The extra-card search first decides whether
// one of 99 draws below Z + 1 = 8 would hit one of the R undealt regular cards:
// in blocks of 10 draws (8^10 = 1073741824 is the largest power within a draw),
// a block missing when its one draw below 8^10 falls below (8 - R)^10.
namespace {

constexpr int BLOCK_OF_TEN = 1073741824;  // 8^10

void script_hand_candidate(ScriptedDraws& d) {
    d.add(2, 1);                                   // deck order F, R: cards F R n n n n n
    d.add(5, 3), d.add(2, 0), d.add(3, 1), d.add(10, 6), d.add(3, 2);  // LAST = 6
    // Card 1 of 7 (LAST 6): all undealt, draw j is card j+1. 4 held (2 from LAST);
    // 1 is farther (5); 7, 2, 1 (as far) and 5 are not.
    d.add(7, {3, 0, 6, 1, 0, 4});                  // deal card 1, F, at position 3
    // Card 2 (LAST 1): undealt 2-7, draw j is card j+2. 3 held; 7 is farther (6);
    // 6, 2, 4, 5 are not.
    d.add(6, {1, 5, 4, 0, 2, 3});                  // card 7, n, at position 4
    d.add(7, 4);                                   // extra card due (4 < 5)
    // Regular undealt: 3 4 5 6, R = 4: a block misses below 4^10 = 1048576; the
    // least value that hits is 1048576 itself. Then card 5, the third of the four.
    d.add(BLOCK_OF_TEN, 1048576);
    d.add(4, 2);                                   // extra card 5 at position 5
    // Card 3 (LAST 5): undealt 2 3 4 6. 2 held (3 from LAST); 6, 3, 4, 2, 6 are not farther.
    d.add(4, {0, 3, 1, 2, 0, 3});                  // card 2, R, at position 6
    // Card 4 (LAST 2): undealt 3 4 6. 3 held; 6 is farther (4); 4, 3, 4, 6 (as far) are not.
    d.add(3, {0, 2, 1, 0, 1, 2});                  // card 6, n, at position 7
    d.add(7, 5);                                   // no extra card (5 is not below 5)
    // Card 5 (LAST 6): undealt 3 4. 4 held (2 from LAST); 3 is farther (3); then 4, 3, 4, 3 are not.
    d.add(2, {1, 0, 1, 0, 1, 0});                  // card 3, n, at position 8
    d.add(7, 0);                                   // extra card due
    // Regular undealt: card 4 alone, R = 1: a block misses below 7^10 = 282475249.
    d.add(BLOCK_OF_TEN, 282475248);                // draws 1-10 all miss
    d.add(BLOCK_OF_TEN, 282475249);                // draws 11-20 hit
    d.add(1, 0);                                   // card 4, n, at position 9: 7 cards dealt
    d.add(10, 7);                                  // 7 > 5: mirror
}

Patterns hand_patterns(char prev) {
    Patterns P;
    P.SPECS = 2, P.FTVS = 1, P.REFS = 1;
    P.SPEARLY = 3, P.SPLATE = 9;
    P.W = 2, P.WLAST = 2, P.PREV = prev;
    P.TYP2 = n30("nnnFnnnRn");
    return P;
}

}  // namespace

TEST(MakeCandidate, HandWorkedDealIsKeptAndMirrored) {
    ScriptedDraws d;
    script_hand_candidate(d);
    Patterns P = hand_patterns('R');
    lay_deck(P, d);
    ASSERT_EQ(P.Z, 7);
    make_candidate(P, d);
    EXPECT_TRUE(d.done());
    // Dealt: positions 3-9 = F n n R n n n, i.e. "nnFnnRnnn"; walking positions 1-7
    // meets F (not R, the type carried over) and R: W stays 2, equal to WLAST, so the
    // new candidate wins. Mirrored: position X of 3-9 takes position 10 - X.
    EXPECT_EQ(P.TYP, n30("nnnRnnFnn"));
    EXPECT_EQ(P.TYP2, P.TYP);
    EXPECT_EQ(P.W, 2);
    EXPECT_EQ(P.WLAST, 2);
    EXPECT_EQ(P.PREV, 'R');
    EXPECT_EQ(P.K, 2);
    EXPECT_EQ(P.LAST, 4);
    EXPECT_TRUE(P.LU);
}

TEST(MakeCandidate, HandWorkedDealWithARepeatIsDropped) {
    ScriptedDraws d;
    script_hand_candidate(d);
    Patterns P = hand_patterns('F');
    lay_deck(P, d);
    make_candidate(P, d);
    EXPECT_TRUE(d.done());
    // The F at position 3 repeats the F carried over: W = 3 > WLAST = 2, so the
    // kept pattern comes back (W 2) and is the one mirrored; its R at 8 is lost.
    EXPECT_EQ(P.TYP, n30("nnnnnFnnn"));
    EXPECT_EQ(P.TYP2, P.TYP);
    EXPECT_EQ(P.W, 2);
    EXPECT_EQ(P.WLAST, 2);
    EXPECT_EQ(P.PREV, 'R');
}

// Window 1-5 with one FTV: D = 4, so the extra-card draw always succeeds. The
// search decides 99 draws below Z + 1 = 6 in nine blocks of 11 (6^11 = 362797056);
// when all nine miss no card is taken and nothing more is drawn. No search follows
// an extra card.
TEST(MakeCandidate, ExtraCardSearchGivesUpAfterNinetyNineDraws) {
    constexpr int BLOCK_OF_ELEVEN = 362797056;
    ScriptedDraws d;
    Patterns P;
    P.SPECS = 1, P.FTVS = 1, P.SPEARLY = 1, P.SPLATE = 5, P.WLAST = 90;
    d.add(2, 1);
    lay_deck(P, d);                                // F n n n n
    d.add(5, 0), d.add(2, 0), d.add(3, 0), d.add(3, 0);  // LAST = 0
    d.add(5, {1, 1, 1, 1, 1, 1});                  // card 2 at position 1
    d.add(7, 6);
    // Regular undealt 3 4 5, R = 3: a block misses below 3^11 = 177147.
    for (int block = 0; block < 9; ++block) d.add(BLOCK_OF_ELEVEN, 177146);
    d.add(4, {0, 0, 0, 0, 0, 0});                  // undealt 1 3 4 5: F at position 2
    d.add(3, {0, 0, 0, 0, 0, 0});                  // undealt 3 4 5: card 3 at position 3
    d.add(7, 0);
    d.add(BLOCK_OF_ELEVEN, 4194304);               // R = 2: 4^11 = 4194304 is the least hit
    d.add(2, 0);                                   // extra card 4 at position 4
    d.add(1, {0, 0, 0, 0, 0, 0});                  // card 5 at position 5
    d.add(7, 3);                                   // drawn, but an extra card came last
    d.add(10, 5);                                  // no mirror
    make_candidate(P, d);
    EXPECT_TRUE(d.done());
    EXPECT_EQ(P.TYP, n30("nFnnn"));
    EXPECT_EQ(P.K, 1);
    EXPECT_EQ(P.W, 0);
}

// A deck of 12 with cards 2, 5, 6 and 11 dealt and cards 1, 3 and 9 specialties.
Patterns part_dealt_deck() {
    Patterns P;
    P.Z = 12;
    P.DB.fill('n');
    P.DB[1] = 'F', P.DB[3] = 'R', P.DB[9] = 'O';
    for (int c : {2, 5, 6, 11}) P.FLAG[c] = true;
    return P;
}

// The pick stands for drawing indices below Z + 1 until one names an undealt
// card: every undealt card equally often, a dealt card or index 0 never.
TEST(PickCard, EachUndealtCardAlike) {
    Patterns P = part_dealt_deck();
    Random r(77);
    GeneratorDraws g(r);
    std::array<int, 14> seen{};
    const int picks = 80000;
    for (int i = 0; i < picks; ++i) ++seen[pick_card(P, g)];
    // 8 undealt cards: 10000 each, standard deviation sqrt(80000 / 8 * 7 / 8) = 94.
    for (int c = 0; c <= 13; ++c) {
        bool undealt = c >= 1 && c <= 12 && !P.FLAG[c];
        if (undealt)
            EXPECT_NEAR(seen[c], picks / 8, 450) << "card " << c;
        else
            EXPECT_EQ(seen[c], 0) << "card " << c;
    }
    for (int c = 1; c <= 12; ++c) P.FLAG[c] = true;
    EXPECT_EQ(pick_card(P, g), 0);
}

// The search succeeds as often as one of 99 draws below Z + 1 hits an undealt
// regular card, 1 - (1 - R / (Z + 1))^99, and takes each such card alike.
TEST(FindExtraCard, SucceedsAsOftenAsNinetyNineDrawsAndTakesEachCardAlike) {
    Patterns P = part_dealt_deck();
    P.Z = 30;
    for (int c = 13; c <= 30; ++c) P.FLAG[c] = true;  // undealt regular: 4 7 8 10 12
    Random r(2024);
    GeneratorDraws g(r);
    std::array<int, 31> seen{};
    const int searches = 20000;
    for (int i = 0; i < searches; ++i) ++seen[find_extra_card(P, g)];
    EXPECT_EQ(seen[0], 0);  // 1 - (26/31)^99 misses about once in 37 million
    for (int c : {4, 7, 8, 10, 12}) EXPECT_NEAR(seen[c], searches / 5, 300) << "card " << c;

    for (int c : {4, 7, 8, 10}) P.FLAG[c] = true;  // card 12 alone: 1 - (30/31)^99 = 0.9611
    const int tries = 100000;
    int found = 0;
    for (int i = 0; i < tries; ++i) {
        int c = find_extra_card(P, g);
        ASSERT_TRUE(c == 0 || c == 12) << c;
        found += c == 12;
    }
    double p = 1 - std::pow(30.0 / 31.0, 99);
    EXPECT_NEAR(static_cast<double>(found) / tries, p, 0.003);  // 5 standard deviations

    P.FLAG[12] = true;
    EXPECT_EQ(find_extra_card(P, g), 0);  // no regular card left: no search at all
}

// Styles that the form admits, drawn at random: every pattern holds the drawn
// counts, within the ranges, inside the window.
TEST(Specpat, InvariantsOverManyStylesAndSeeds) {
    Random styles(2024);
    int styles_made = 0, past_window = 0;
    while (styles_made < 150) {
        EditorStyle s;
        s.SETSPC = 'N';
        s.SPEARLY = 1 + styles.random(10);
        s.SPLATE = s.SPEARLY + styles.random(31 - s.SPEARLY);
        int window = s.SPLATE - s.SPEARLY + 1;
        auto range = [&](int& min, int& max, int top) {
            max = styles.random(top + 1);
            min = styles.random(max + 1);
        };
        range(s.FMIN, s.FMAX, 10);
        range(s.RMIN, s.RMAX, 10);
        range(s.OMIN, s.OMAX, 10);
        range(s.SMIN, s.SMAX, styles.random(4) == 0 ? 3 : 0);
        int lo = s.FMIN + s.RMIN + s.OMIN + s.SMIN;
        int hi = std::min({s.FMAX + s.RMAX + s.OMAX + s.SMAX, window, 20});
        if (lo > hi) continue;
        s.SPMIN = lo + styles.random(hi - lo + 1);
        s.SPMAX = s.SPMIN + styles.random(hi - s.SPMIN + 1);
        ++styles_made;
        for (int seed = 1; seed <= 3; ++seed) {  // late windows take many attempts a pattern
            Random r(seed * 7919 + styles_made);
            Patterns P;
            std::string pat = SPECPAT(P, s, r);
            SCOPED_TRACE(pat + " window " + std::to_string(s.SPEARLY) + "-" +
                         std::to_string(s.SPLATE));
            ASSERT_EQ(pat.size(), 30u);
            ASSERT_EQ(pat.find_first_not_of("nFROS"), std::string::npos);
            auto n = [&](char c) { return static_cast<int>(std::count(pat.begin(), pat.end(), c)); };
            EXPECT_EQ(n('F'), P.FTVS);
            EXPECT_EQ(n('R'), P.REFS);
            EXPECT_EQ(n('O'), P.ONLYS);
            EXPECT_EQ(n('S'), P.SITS);
            EXPECT_EQ(count_specialties(pat), P.SPECS);
            EXPECT_TRUE(P.FTVS >= s.FMIN && P.FTVS <= s.FMAX);
            EXPECT_TRUE(P.REFS >= s.RMIN && P.REFS <= s.RMAX);
            EXPECT_TRUE(P.ONLYS >= s.OMIN && P.ONLYS <= s.OMAX);
            EXPECT_TRUE(P.SITS >= s.SMIN && P.SITS <= s.SMAX);
            EXPECT_TRUE(P.SPECS >= s.SPMIN && P.SPECS <= s.SPMAX);
            size_t first = pat.find_first_not_of('n');
            if (first != std::string::npos) {
                EXPECT_GE(static_cast<int>(first) + 1, s.SPEARLY);
            }
            size_t last = pat.find_last_not_of('n');
            if (last != std::string::npos && static_cast<int>(last) + 1 > s.SPLATE) {
                EXPECT_GE(P.SPECS, window);
                ++past_window;
            }
        }
    }
    EXPECT_GT(past_window, 0);  // the case of a total that fills the window did occur
}

TEST(Specpat, NoSpecialtiesGivesThirtyRegularPositions) {
    EditorStyle s = generating(3, 22, 0, 0, {0, 0}, {0, 0}, {0, 0}, {0, 0});
    for (int seed = 1; seed <= 20; ++seed) {
        Random r(seed);
        Patterns P;
        EXPECT_EQ(SPECPAT(P, s, r), std::string(30, 'n'));
        EXPECT_EQ(P.K, 0);
    }
}

TEST(Specpat, TypeWithEqualLimitsAlwaysGetsThatCount) {
    EditorStyle s = generating(1, 20, 3, 6, {2, 2}, {0, 3}, {1, 1}, {0, 0});
    Random r(5);
    for (int q = 0; q < 200; ++q) {
        Patterns P;
        std::string pat = SPECPAT(P, s, r);
        EXPECT_EQ(std::count(pat.begin(), pat.end(), 'F'), 2) << pat;
        EXPECT_EQ(std::count(pat.begin(), pat.end(), 'O'), 1) << pat;
        EXPECT_EQ(pat.substr(20), std::string(10, 'n')) << pat;
    }
}

TEST(Specpat, FixedPatternComesBackAsItStands) {
    EditorStyle s = generating(1, 30, 4, 4, {2, 2}, {1, 1}, {1, 1}, {0, 0});
    s.SETSPC = 'Y';
    s.TYP = "nnFnnnRnnnFnnnnOnnnnnnnnnnnnnn";
    Random r(1);
    Patterns P;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(SPECPAT(P, s, r), s.TYP);
    EXPECT_EQ(P.SPECS, 4);
}

// A window ending after position 30 (a quiz of more than 30 questions) is dealt
// into positions up to 30.
TEST(Specpat, WindowPastThirtyIsCutAtThirty) {
    EditorStyle s = generating(5, 40, 4, 8, {0, 4}, {0, 4}, {0, 4}, {0, 0});
    s.QMAX = 40;
    Random r(11);
    for (int q = 0; q < 100; ++q) {
        Patterns P;
        std::string pat = SPECPAT(P, s, r);
        EXPECT_EQ(P.SPLATE, 30);
        EXPECT_EQ(pat.size(), 30u);
        EXPECT_EQ(count_specialties(pat), P.SPECS);
        EXPECT_EQ(pat.substr(0, 4), "nnnn");
    }
}

// Settings no pattern can meet end with a PatternError instead of drawing forever.
TEST(Specpat, SettingsThatCannotBeMetAreReported) {
    struct Case {
        const char* what;
        EditorStyle s;
        const char* words;
    };
    EditorStyle fixed = generating(1, 30, 3, 3, {2, 2}, {1, 1}, {0, 0}, {0, 0});
    fixed.SETSPC = 'Y';
    fixed.TYP = "nnFnnnnnnnnnnnnnnnnnnnnnnnnnnn";  // one letter for a total of 3
    const Case cases[] = {
        {"minima above the total min", generating(1, 20, 2, 6, {2, 3}, {1, 2}, {0, 1}, {0, 0}),
         "minima add up to 3"},
        {"maxima below the total max", generating(1, 20, 2, 6, {0, 2}, {0, 2}, {0, 1}, {0, 0}),
         "maxima add up to 5"},
        {"type min above its max", generating(1, 20, 0, 6, {3, 2}, {0, 4}, {0, 0}, {0, 0}),
         "FTV Type Min 3 and Max 2"},
        {"total min above total max", generating(1, 20, 5, 4, {0, 4}, {0, 4}, {0, 0}, {0, 0}),
         "Total Min 5 and Max 4"},
        {"window with no positions", generating(12, 10, 0, 2, {0, 2}, {0, 2}, {0, 0}, {0, 0}),
         "from 12 to 10"},
        {"total past position 30", generating(10, 30, 22, 22, {10, 10}, {6, 6}, {6, 6}, {0, 0}),
         "22 does not fit"},
        {"fixed pattern with other count", fixed, "hold 1 questions, but the type maxima add up to 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Random r(3);
        Patterns P;
        try {
            SPECPAT(P, c.s, r);
            ADD_FAILURE() << "no error";
        } catch (const PatternError& e) {
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
        }
    }
}
