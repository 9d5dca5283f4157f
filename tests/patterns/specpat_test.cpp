#include <gtest/gtest.h>

#include "editor/form_support.h"
#include "driver/run_screens.h"
#include "patterns/patterns.h"
#include "patterns_support.h"

using namespace tv;
using tv::test::generating;

// Settings no pattern can meet end with a PatternError instead of drawing forever.
TEST(MakePattern, SettingsThatCannotBeMetAreReported) {
    EditorStyle fixed = generating(1, 30, 3, 3, {2, 2}, {1, 1}, {0, 0}, {0, 0});
    fixed.SETSPC = 'Y';
    fixed.TYP = "nnFnnnnnnnnnnnnnnnnnnnnnnnnnnn";  // one letter for a total of 3
    // What is wrong, the style, words of the message.
    const std::tuple<const char*, EditorStyle, const char*> cases[] = {
        {"minima above the total min", generating(1, 20, 2, 6, {2, 3}, {1, 2}, {0, 1}, {0, 0}), "minima add up to 3"},
        {"maxima below the total max", generating(1, 20, 2, 6, {0, 2}, {0, 2}, {0, 1}, {0, 0}), "maxima add up to 5"},
        {"type min above its max", generating(1, 20, 0, 6, {3, 2}, {0, 4}, {0, 0}, {0, 0}),
            "FTV Type Min is 3; it must be 0 to 2"},
        {"type max past its cap", generating(1, 20, 0, 11, {0, 11}, {0, 0}, {0, 0}, {0, 0}),
            "FTV Type Max is 11; it must be 0 to 10"},
        {"total min above total max", generating(1, 20, 5, 4, {0, 4}, {0, 4}, {0, 0}, {0, 0}),
            "Total Min is 5; it must be 0 to 4"},
        {"window with no positions", generating(12, 10, 0, 2, {0, 2}, {0, 2}, {0, 0}, {0, 0}), "from 12 to 10"},
        {"total past position 30", generating(15, 30, 20, 20, {10, 10}, {10, 10}, {0, 0}, {0, 0}), "20 does not fit"},
        {"fixed pattern with other count", fixed, "hold 1 questions, but the type maxima add up to 3"}};
    for (const auto& [what, style, words] : cases) {
        SCOPED_TRACE(what);
        Random r(3);
        Patterns P;
        const std::string told = test::error_of<PatternError>([&] { make_pattern(P, style, r); });
        EXPECT_NE(told.find(words), std::string::npos) << told;
    }
}

TEST(MakePattern, NoSpecialtiesGivesThirtyRegularPositions) {
    Random r(5);
    Patterns P;
    EXPECT_EQ(make_pattern(P, generating(3, 22, 0, 0, {0, 0}, {0, 0}, {0, 0}, {0, 0}), r), std::string(30, 'n'));
    EXPECT_EQ(P.K, 0);
}
