#include <gtest/gtest.h>

#include <sstream>

#include "patterns/patterns.h"
#include "patterns_support.h"
#include "support/support.h"

using namespace tv;
using tv::test::generating;

namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(MakePatterns, FixedPatternFileByteForByte) {
    test::TempDir dir;
    ScriptFace face(test::keys("\r"));
    Console con(face);
    Random random(1);
    EditorStyle s = generating(1, 30, 3, 3, {2, 2}, {1, 1}, {0, 0}, {0, 0});
    s.SETSPC = 'Y';
    s.TYP = "nnFnnnnRnnnnnnFnnnnnnnnnnnnnnn";
    Patterns P;
    std::vector<std::string> PAT = make_patterns(con, dir.files(), random, s, 3, P);
    EXPECT_EQ(dir.read("pat.txt"), s.TYP + "\n" + s.TYP + "\n" + s.TYP + "\n");
    ASSERT_EQ(PAT.size(), 4u);
    for (int q = 1; q <= 3; ++q) EXPECT_EQ(PAT[q], s.TYP);
}

TEST(MakePatterns, OneLineOfThirtyLettersPerQuiz) {
    test::TempDir dir;
    ScriptFace face(test::keys("\r\r"));  // two pages
    Console con(face);
    Random random(42);
    EditorStyle s = generating(2, 24, 4, 8, {1, 4}, {1, 3}, {0, 3}, {0, 0});
    Patterns P;
    std::vector<std::string> PAT = make_patterns(con, dir.files(), random, s, 40, P);
    std::vector<std::string> lines = lines_of(dir.read("pat.txt"));
    ASSERT_EQ(lines.size(), 40u);
    for (int q = 1; q <= 40; ++q) {
        EXPECT_EQ(lines[q - 1].size(), 30u);
        EXPECT_EQ(lines[q - 1].find_first_not_of("nFRO"), std::string::npos) << lines[q - 1];
        EXPECT_EQ(PAT[q], lines[q - 1]);
        EXPECT_EQ(P.PAT[q], lines[q - 1]);
    }
    EXPECT_EQ(face.left(), 0u);
}

// Esc in the long review: the file still holds every pattern, then the run is abandoned.
TEST(MakePatterns, EscInTheLongReviewWritesTheFileAndAbandons) {
    test::TempDir dir;
    ScriptFace face({key::ESC});
    Console con(face);
    Random random(3);
    EditorStyle s = generating(1, 20, 2, 5, {0, 3}, {0, 3}, {0, 3}, {0, 0});
    s.QMAX = 40;
    Patterns P;
    EXPECT_THROW(make_patterns(con, dir.files(), random, s, 25, P), RunAbandoned);
    EXPECT_TRUE(P.BACK);
    std::vector<std::string> lines = lines_of(dir.read("pat.txt"));
    ASSERT_EQ(lines.size(), 25u);
    for (int q = 1; q <= 25; ++q) EXPECT_EQ(lines[q - 1], P.PAT[q]);
}

// Settings that cannot be met: a message, Return, and the run is abandoned
// without a pattern file.
TEST(MakePatterns, UnmetRangesAreShownAndAbandonTheRun) {
    EditorStyle ranges = generating(1, 20, 2, 6, {2, 3}, {1, 2}, {0, 1}, {0, 0});
    EditorStyle fixed = generating(1, 30, 3, 3, {2, 2}, {1, 1}, {0, 0}, {0, 0});
    fixed.SETSPC = 'Y';
    fixed.TYP = "nnFnnnnnnnnnnnnnnnnnnnnnnnnnnn";
    for (const EditorStyle& s : {ranges, fixed}) {
        test::TempDir dir;
        ScriptFace face(test::keys("\r"));
        Console con(face);
        Random random(1);
        Patterns P;
        EXPECT_THROW(make_patterns(con, dir.files(), random, s, 5, P), RunAbandoned);
        const Screen& sc = con.screen();
        EXPECT_EQ(sc.line(3), "  The specialty ranges of this style cannot be met.");
        EXPECT_EQ(sc.at(3, 3).bg, RED);
        EXPECT_EQ(sc.at(3, 3).fg, WHITE);
        EXPECT_NE(sc.line(5), "");
        EXPECT_EQ(face.left(), 0u);
        EXPECT_FALSE(dir.exists("pat.txt"));
    }
    // The message waits for Return.
    test::TempDir dir;
    ScriptFace face;
    Console con(face);
    Random random(1);
    Patterns P;
    EXPECT_THROW(make_patterns(con, dir.files(), random, ranges, 5, P), ScriptExhausted);
}
