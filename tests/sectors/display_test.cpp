#include <gtest/gtest.h>

#include "material.h"
#include "sectors/display.h"

using namespace tv;
using namespace tv::test;

namespace {

const std::string HEAD =
    "\n"
    "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--\n"
    "  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit\n"
    "  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---\n";

void set(SectorTables& t, int s, Span span, std::array<int, 4> special) {
    t.BC[s] = span.bc, t.BV[s] = span.bv, t.EC[s] = span.ec, t.EV[s] = span.ev, t.QPS[s] = span.q;
    t.FPS[s] = special[0], t.RPS[s] = special[1], t.OPS[s] = special[2], t.SPS[s] = special[3];
}

// Seven sectors over Romans 1:1 to James 5:20; sector 5 runs from Romans 16 into
// James 1, and the last one's end is left for the table to settle.
Style seven(SectorTables& t) {
    Style st;
    st.BCHAP = 1, st.BVER = 1, st.ECHAP = 21, st.EVER = 20;
    t.SECTORS = 7;
    set(t, 1, {1, 1, 2, 3, 12}, {3, 1, 0, 0});
    set(t, 2, {2, 4, 3, 10, 20}, {0, 0, 0, 0});
    set(t, 3, {3, 11, 8, 39, 9}, {1, 2, 3, 4});
    set(t, 4, {9, 1, 16, 19, 150}, {25, 8, 9, 0});
    set(t, 5, {16, 20, 17, 4, 100}, {10, 5, 2, 1});
    set(t, 6, {17, 5, 20, 17, 33}, {4, 4, 4, 4});
    set(t, 7, {21, 1, 0, 0, 7}, {0, 0, 0, 0});
    return st;
}

const std::string SEVEN_ROWS =
    "   1 R  1: 1  2: 3  12   3   1   0   0    5 R 16:20  1: 4 100  10   5   2   1\n"
    "   2 R  2: 4  3:10  20   0   0   0   0    6 J  1: 5  4:17  33   4   4   4   4\n"
    "   3 R  3:11  8:39   9   1   2   3   4    7 J  5: 1  5:20   7   0   0   0   0\n"
    "   4 R  9: 1 16:19 150  25   8   9   0\n";

std::string to_file(const Style& st, SectorTables& t) {
    TempDir dir;
    TextWriter out = dir.files().create("out.inf");
    DISPLAYTOFILE(out, st, default_season(), t);
    out.close();
    return dir.read("out.inf");
}

}  // namespace

TEST(SectorTable, SevenSectorsOnTheListFile) {
    SectorTables t;
    Style st = seven(t);
    EXPECT_EQ(to_file(st, t), HEAD + SEVEN_ROWS + std::string(26, '\n'));
    // The last sector now ends at the end of the material for the rest of the run.
    EXPECT_EQ(t.EC[7], 21);
    EXPECT_EQ(t.EV[7], 20);
}

TEST(SectorTable, SevenSectorsOnTheScreen) {
    SectorTables t;
    Style st = seven(t);
    BankTables bank;
    bank.TQUEST = 331;
    ScriptFace face;
    Console con(face);
    con.normal();
    con.clr();
    con.go(1, 5);
    DISPLAY(con, st, default_season(), bank, t);
    std::string shown;
    for (int r = 5; r <= 13; ++r) shown += con.screen().line(r) + "\n";
    EXPECT_EQ(shown, HEAD + SEVEN_ROWS + "\n");
    EXPECT_EQ(con.screen().row(), 14);
    EXPECT_EQ(con.screen().col(), 1);
    EXPECT_EQ(con.screen().at(77, 9).fg, YELLOW);
    EXPECT_EQ(con.screen().at(77, 9).bg, BLUE);
}

TEST(SectorTable, OneSector) {
    SectorTables t;
    Style st;
    st.BCHAP = 5, st.BVER = 1, st.ECHAP = 6, st.EVER = 23;
    t.SECTORS = 1;
    set(t, 1, {5, 1, 5, 9, 120}, {15, 8, 9, 0});
    EXPECT_EQ(to_file(st, t), HEAD + "   1 R  5: 1  6:23 120  15   8   9   0\n" + std::string(29, '\n'));
}

TEST(SectorTable, ThirtySectors) {
    SectorTables t;
    Style st;
    st.BCHAP = 1, st.BVER = 1, st.ECHAP = 21, st.EVER = 20;
    t.SECTORS = 30;
    for (int s = 1; s <= 30; ++s) set(t, s, {s < 22 ? s : 21, 1, s < 22 ? s : 21, 9, s}, {0, 0, 0, s % 3});
    const std::string file = to_file(st, t);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 34);
    EXPECT_EQ(file.substr(file.size() - 15), std::string(15, '\n'));
    // Row 15: sector 15 on the left, sector 30 (ending at the end of the material) on the right.
    const std::string row15 = "  15 R 15: 1 15: 9  15   0   0   0   0   30 J  5: 1  5:20  30   0   0   0   0\n";
    EXPECT_NE(file.find("\n" + row15), std::string::npos);
    EXPECT_EQ(file.find("   1 R  1: 1  1: 9   1   0   0   0   1   16 R 16: 1 16: 9  16   0   0   0   1\n"),
              HEAD.size());

    ScriptFace face;
    Console con(face);
    BankTables bank;
    con.go(1, 5);
    DISPLAY(con, st, default_season(), bank, t);
    // From row 5 the fifteen rows end at row 23 and the empty line fills row 24.
    EXPECT_EQ(con.screen().line(23) + "\n", row15);
    EXPECT_EQ(con.screen().line(6), "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--");
    EXPECT_EQ(con.screen().row(), 25);
}

TEST(SectorTable, TotalsAreRecomputedFromThisRunsSectorsOnly) {
    SectorTables t;
    Style st = seven(t);
    for (int s = 8; s <= 30; ++s) set(t, s, {1, 1, 1, 1, 99}, {99, 99, 99, 99});  // an earlier run
    BankTables bank;
    bank.TQUEST = 5;
    bank.FQUEST = bank.RQUEST = bank.OQUEST = bank.SQUEST = 1000;
    ScriptFace face;
    Console con(face);
    DISPLAY(con, st, default_season(), bank, t);
    EXPECT_EQ(bank.FQUEST, 3 + 0 + 1 + 25 + 10 + 4 + 0);
    EXPECT_EQ(bank.RQUEST, 1 + 0 + 2 + 8 + 5 + 4 + 0);
    EXPECT_EQ(bank.OQUEST, 0 + 0 + 3 + 9 + 2 + 4 + 0);
    EXPECT_EQ(bank.SQUEST, 0 + 0 + 4 + 0 + 1 + 4 + 0);
    EXPECT_EQ(bank.TQUEST, 5);
}
