#include <gtest/gtest.h>

#include "patterns/patterns.h"

using namespace tv;

namespace {

// Gives one draw, and notes the bound it was asked for.
struct OneDraw : DrawSource {
    int value, below = 0;
    explicit OneDraw(int v) : value(v) {}
    int random(int n) override { return below = n, value; }
};

}  // namespace

// The extra regular card after a regular one, by the spacing D = (SPLATE - SPEARLY) / SPECS
// of four specialties from position 1: the draw made (its bound, 0 for none), and whether
// the card is due for the draw given, the extra cards so far (K), the regular cards of the
// deck (Z - 4) and an extra card just before (LU).
TEST(ExtraCard, DueByTheSpacingOfTheSpecialties) {
    const struct {
        int late, draw, below, K, regular;
        bool LU, due;
    } cases[] = {
        {9, 0, 0, 0, 9, false, false},                                    // D 2: never
        {10, 2, 4, 0, 6, false, true}, {10, 3, 4, 0, 6, false, false},    // D 2.25: a draw below 4 under 3
        {10, 0, 4, 3, 6, false, false}, {10, 0, 4, 2, 5, false, false},   // at most 3, more than 5 regular
        {10, 0, 4, 2, 6, true, false},                                    // not twice in a row
        {11, 0, 0, 0, 9, false, false},                                   // D 2.5: never
        {12, 3, 7, 5, 6, false, true}, {12, 4, 7, 0, 6, false, false},    // D 2.75: a draw below 7 under 4
        {12, 0, 7, 6, 6, false, false}, {12, 0, 7, 0, 5, false, false},   // at most 6, more than 5 regular
        {13, 4, 7, 7, 3, false, true}, {13, 5, 7, 0, 9, false, false},    // D 3: a draw below 7 under 5
        {16, 0, 7, 8, 9, false, false}, {16, 0, 7, 0, 2, false, false},   // D 3.75: at most 8, more than 2
        {17, 6, 7, 19, 1, false, true}, {17, 0, 7, 20, 9, false, false},  // D 4: always, at most 20
        {17, 0, 7, 0, 0, false, false}, {30, 6, 7, 0, 9, false, true},    // more than 0 regular
    };
    for (const auto& c : cases) {
        Patterns P;
        P.SPEARLY = 1, P.SPLATE = c.late, P.SPECS = 4, P.Z = 4 + c.regular, P.K = c.K, P.LU = c.LU;
        OneDraw draw(c.draw);
        EXPECT_EQ(std::tuple(extra_card_due(P, draw), draw.below), std::tuple(c.due, c.below))
            << "window 1-" << c.late << " draw " << c.draw << " K " << c.K << " regular " << c.regular;
    }
}
