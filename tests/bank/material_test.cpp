#include <gtest/gtest.h>

#include "bank/bank.h"

using namespace tv;

namespace {

Style style(char LG, char REGLST, int PRIMPCT) {
    Style s;
    s.LG = LG;
    s.REGLST = REGLST;
    s.PRIMPCT = PRIMPCT;
    return s;
}

Style material(int BCHAP, int BVER, int ECHAP, int EVER) {
    Style s;
    s.BCHAP = BCHAP;
    s.BVER = BVER;
    s.ECHAP = ECHAP;
    s.EVER = EVER;
    return s;
}

// One regular question in every verse, FTV questions as many as the chapter's number,
// CV Ref as many as the verse's, one SIT question in verse 45 only.
BankTables every_verse_counted() {
    BankTables t;
    for (int c = 1; c <= CHAPTERS; ++c) {
        for (int v = 1; v <= VERSES; ++v) {
            t.QCOUNT[c][v] = 1;
            t.FCOUNT[c][v] = c;
            t.RCOUNT[c][v] = v;
        }
        t.SCOUNT[c][VERSES] = 1;
    }
    return t;
}

}  // namespace

TEST(BankNames, FromLevelListAndPctPrimFtv) {
    struct Case {
        Style s;
        BankNames want;
    };
    const Case cases[] = {
        {style('F', 'A', 58), {"RJ.A", "FTV.58", "cv.b", "co.b", "count.58A"}},
        {style('F', 'B', 100), {"RJ.B", "FTV.00", "cv.b", "co.b", "count.00B"}},
        {style('F', 'A', 57), {"RJ.A", "FTV.57", "cv.b", "co.b", "count.57A"}},
        {style('L', 'C', 100), {"LLRJ.C", "LLFTV.00", "LLcv.c", "LLco.c", "LLcount.00C"}},
        {style('L', 'B', 89), {"LLRJ.B", "LLFTV.89", "LLcv.b", "LLco.b", "LLcount.89B"}},
        {style('F', 'c', 97), {"RJ.c", "FTV.97", "cv.c", "co.c", "count.97c"}},
    };
    for (const Case& c : cases) {
        const BankNames n = bank_names(c.s);
        SCOPED_TRACE(c.want.count_file);
        EXPECT_EQ(n.F3, c.want.F3);
        EXPECT_EQ(n.F4, c.want.F4);
        EXPECT_EQ(n.F5, c.want.F5);
        EXPECT_EQ(n.F6, c.want.F6);
        EXPECT_EQ(n.count_file, c.want.count_file);
    }
}

TEST(CountMaterial, OneChapterCoversOnlyItsVersesAndCountsWhatComesBefore) {
    BankTables t = every_verse_counted();
    count_material(material(3, 10, 3, 12), t);
    EXPECT_EQ(t.TQUEST, 3);                  // verses 10-12
    EXPECT_EQ(t.FQUEST, 3 * 3);
    EXPECT_EQ(t.RQUEST, 10 + 11 + 12);
    EXPECT_EQ(t.OQUEST, 0);
    EXPECT_EQ(t.SQUEST, 0);
    EXPECT_EQ(t.BEFORE, 2 * 45 + 9);         // chapters 1-2, verses 1-9 of chapter 3
    EXPECT_EQ(t.FBEFORE, 45 * 1 + 45 * 2 + 9 * 3);
    EXPECT_EQ(t.RBEFORE, 2 * (45 * 46 / 2) + 45);
    EXPECT_EQ(t.SBEFORE, 2);
    EXPECT_EQ(t.OBEFORE, 0);
}

TEST(CountMaterial, ASpanOverSeveralChaptersIntoJames) {
    BankTables t = every_verse_counted();
    // Romans 16:20 to James 2:5.
    count_material(material(16, 20, 18, 5), t);
    EXPECT_EQ(t.TQUEST, 26 + 45 + 5);
    EXPECT_EQ(t.FQUEST, 26 * 16 + 45 * 17 + 5 * 18);
    EXPECT_EQ(t.SQUEST, 2);                  // verse 45 of chapters 16 and 17
    EXPECT_EQ(t.BEFORE, 15 * 45 + 19);
    EXPECT_EQ(t.SBEFORE, 15);

    // The whole material; a second count starts again from zero.
    count_material(material(1, 1, 21, 45), t);
    EXPECT_EQ(t.TQUEST, 21 * 45);
    EXPECT_EQ(t.SQUEST, 21);
    EXPECT_EQ(t.BEFORE, 0);
    EXPECT_EQ(t.FBEFORE, 0);
}

TEST(CountMaterial, SettingsOutsideTheTablesCountNothingThere) {
    BankTables t = every_verse_counted();
    count_material(material(21, 40, 25, 60), t);
    EXPECT_EQ(t.TQUEST, 6);
    EXPECT_EQ(t.BEFORE, 20 * 45 + 39);
}

// A hand-edited style may begin the material far below chapter or verse 1: only the
// verses of the tables count, and the count ends at once.
TEST(CountMaterial, AMaterialBeginningFarBelowTheTablesCountsFromTheirStart) {
    constexpr int FAR = -999999999;
    struct Case {
        Style s;
        int TQUEST, BEFORE;
    };
    const Case cases[] = {
        {material(3, FAR, 3, 12), 12, 2 * 45},  // verses 1-12 of chapter 3
        {material(1, FAR, 2, 3), 45 + 3, 0},    // chapter 1, verses 1-3 of chapter 2
        {material(FAR, 5, 2, 10), 45 + 10, 0},  // chapter 1, verses 1-10 of chapter 2
        {material(FAR, FAR, FAR, FAR), 0, 0},
    };
    for (const Case& c : cases) {
        BankTables t = every_verse_counted();
        count_material(c.s, t);
        EXPECT_EQ(t.TQUEST, c.TQUEST) << c.s.BCHAP << ":" << c.s.BVER << "-" << c.s.ECHAP << ":" << c.s.EVER;
        EXPECT_EQ(t.BEFORE, c.BEFORE) << c.s.BCHAP << ":" << c.s.BVER;
    }
}

TEST(Convert2, JamesChaptersBecomeChaptersOfTheBook) {
    struct Case {
        std::string line, want;
        char book;
    };
    const Case cases[] = {
        {"18  3\tWho?", " 2  3\tWho?", 'J'},
        {"17 27\tq", " 1 27\tq", 'J'},
        {"21  1\tq", " 5  1\tq", 'J'},
        {"16  3\tWhat?", "16  3\tWhat?", 'R'},
        {" 1  1\tq", " 1  1\tq", 'R'},
        {"22  1\tq", "22  1\tq", 'R'},
        {"1", "1", 'R'},
    };
    for (const Case& c : cases) {
        std::string ALLTEMP = c.line;
        EXPECT_EQ(CONVERT2(ALLTEMP, default_season()), c.book) << c.line;
        EXPECT_EQ(ALLTEMP, c.want);
    }
}

TEST(Fintypes, ColumnNineOrRForVRSectorAfterSector) {
    const QuestionFile ftv("FTV.58", {
                                         " 1  1\tQTVR\tbefore",     // passed over
                                         " 1  2\tF1V\tsector 1",
                                         " 1  3\tQTVR\tsector 1",   // "VR": type R
                                         " 2  1\tF1VX\tsector 1",   // V and another letter
                                         " 2  2\tF2c\tsector 3",
                                         " 2  3\tQT",                // short: no column 9
                                     });
    std::array<int, MAX_SECTORS + 1> TFPS{};
    TFPS[1] = 3;
    TFPS[2] = 0;
    TFPS[3] = 3;  // one more than the file holds
    TFPS[4] = 7;  // beyond SECTORS: not read
    BankTables t;
    t.FTYPE[5] = {' ', 'x'};  // from an earlier run
    FINTYPES(ftv, 1, 3, TFPS, t);
    EXPECT_EQ(t.FTYPE[1], (std::vector<char>{' ', 'V', 'R', 'V'}));
    EXPECT_TRUE(t.FTYPE[2].size() == 1);
    EXPECT_EQ(t.FTYPE[3], (std::vector<char>{' ', 'c', ' ', ' '}));
    EXPECT_TRUE(t.FTYPE[4].empty());
    EXPECT_TRUE(t.FTYPE[5].empty());
}

TEST(Fintypes, ASectorMayHoldMoreThanFiftyFtvQuestions) {
    std::vector<std::string> lines(120, " 1  1\tF1h\ttext");
    lines[119] = " 1  1\tF1VR\ttext";
    std::array<int, MAX_SECTORS + 1> TFPS{};
    TFPS[1] = 120;
    BankTables t;
    FINTYPES(QuestionFile("FTV.00", lines), 0, 1, TFPS, t);
    ASSERT_EQ(t.FTYPE[1].size(), 121u);
    EXPECT_EQ(t.FTYPE[1][51], 'h');
    EXPECT_EQ(t.FTYPE[1][120], 'R');
}
