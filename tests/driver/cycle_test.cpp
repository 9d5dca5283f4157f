#include <gtest/gtest.h>

#include <map>

#include "driver/cycle.h"
#include "editor/library.h"
#include "support/support.h"

using namespace tv;
using tv::test::ext;

namespace {

// The keys of one run up to the material summary: choose the first style, take the
// form to its title and accept it, accept the page of patterns, Return.
const std::vector<int> ONE_RUN = {key::ENTER, key::ESC, key::ENTER, key::ENTER, key::ENTER};
std::vector<int> runs(int n) {
    std::vector<int> k;
    for (int i = 0; i < n; ++i) k.insert(k.end(), ONE_RUN.begin(), ONE_RUN.end());
    return k;
}

// Questions per verse of a small bank: regular 1:1 x2, 1:2, 1:3 x2, 2:1; FTV 1:2, 1:3;
// CV Ref 1:3; CO Ref 2:1. The material 1:2-1:3 holds 3 regular, 2 FTV and 1 CV Ref
// questions, with 2 regular questions before it.
struct Verse {
    int ch, vs, q, f, r, o;
};
const Verse BANK[] = {{1, 1, 2, 0, 0, 0}, {1, 2, 1, 1, 0, 0}, {1, 3, 2, 1, 1, 0}, {2, 1, 1, 0, 0, 1}};

std::string question_file(char kind) {
    std::string text;
    for (const auto& v : BANK) {
        int n = kind == 'q' ? v.q : kind == 'f' ? v.f : kind == 'r' ? v.r : v.o;
        for (int i = 0; i < n; ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "%2d:%2d\t%s question %d\n", v.ch, v.vs,
                          kind == 'f' ? "V " : "", i + 1);
            text += line;
        }
    }
    return text;
}

std::string count_file() {
    std::string text;
    for (int ch = 1; ch <= 21; ++ch)
        for (int vs = 1; vs <= 45; ++vs) {
            Verse c{ch, vs, 0, 0, 0, 0};
            for (const auto& v : BANK)
                if (v.ch == ch && v.vs == vs) c = v;
            text += std::to_string(ch) + " " + std::to_string(vs) + " " + std::to_string(c.q) +
                    " " + std::to_string(c.f) + " " + std::to_string(c.r) + " " +
                    std::to_string(c.o) + " 0\n";
        }
    return text;
}

// Material 1:2-1:3, QMAX questions per quiz, QNUM quizzes, FMAX 1, RMAX 1, OMAX 0, no
// reindexing.
std::string style(int QMAX, int QNUM = 2) {
    return "F\n1 2\n1 3\nSmallOut\n60\nP\n" + std::to_string(QMAX) + "\nA\n16\n50\nN\n" +
           std::to_string(QNUM) + "\nV\n0\n2\n0\n1\n0\n1\n0\n0\n0\n0\n0\n58\n1\n3\nN\n"
           "AAAnnnnnnnnnnnnnnnnnnnnnnnnnnn\n";
}

struct Workspace {
    test::TempDir dir;
    Files files = dir.files();
    explicit Workspace(const std::string& name = "Small", int QMAX = 3) {
        dir.write("Specs.lst", name + "\nEnter New Specs\n");
        dir.write(name + ".spe", style(QMAX));
        dir.write("RJ.A", question_file('q'));
        dir.write("FTV.58", question_file('f'));
        dir.write("cv.b", question_file('r'));
        dir.write("co.b", question_file('o'));
        dir.write("count.58A", count_file());
    }
};

struct Devices {
    ScriptFace face;
    Console con{face};
    Random rng;
    FixedClock clock{1234};
    MemoryPrinter printer;
    explicit Devices(std::vector<int> keys) : face(std::move(keys)) {}
    int run(const Files& files) { return run_program(con, files, rng, clock, printer, ""); }
    bool cycle(tv::Run& run, const Files& files) {
        return run_cycle(run, con, files, rng, clock, printer, "");
    }
};

}  // namespace

TEST(Banner, RowsOneAndTwentyFiveInTheirColoursAndABlueBody) {
    Devices d({});
    tv::Run run;
    run.RSET = 17;
    run.at.ABAND3 = true;
    draw_banner(d.con, run);
    const Screen& s = d.con.screen();
    EXPECT_EQ(s.text(1, 1, 80), "  Tallyvane 30.0" + std::string(40, ' ') + " Romans and James" +
                                    std::string(7, ' '));
    EXPECT_EQ(s.line(25), ORGANISATION_LINE);
    // Colours of row 1 by segment: "  T" red, "allyvane" black, " 30.0" and the blanks
    // red, " Romans and James" black; white behind the whole row and row 25.
    const std::pair<int, int> red_spans[] = {{1, 3}, {12, 56}};
    for (int c = 1; c <= 80; ++c) {
        bool red = false;
        for (auto [from, to] : red_spans) red |= c >= from && c <= to;
        EXPECT_EQ(s.at(c, 1).fg, red && c <= 73 ? RED : BLACK) << "column " << c;
        EXPECT_EQ(s.at(c, 1).bg, WHITE) << "column " << c;
        EXPECT_EQ(s.at(c, 25).bg, WHITE) << "column " << c;
    }
    EXPECT_EQ(s.at(3, 25).fg, BLACK);
    for (int r = 2; r <= 24; ++r) {
        EXPECT_EQ(s.line(r), "") << "row " << r;
        EXPECT_EQ(s.at(1, r).bg, BLUE);
        EXPECT_EQ(s.at(80, r).bg, BLUE);
    }
    EXPECT_EQ(s.col(), 1);
    EXPECT_EQ(s.row(), 3);
    EXPECT_EQ(s.fg(), YELLOW);
    EXPECT_EQ(s.bg(), BLUE);
    EXPECT_EQ(run.RSET, 4);
    EXPECT_FALSE(run.at.ABAND3);
}

TEST(Cycle, ARunReadsTheStyleNamesItsFilesAndCountsTheMaterial) {
    Workspace ws;
    Devices d(runs(1));
    tv::Run run;
    EXPECT_TRUE(d.cycle(run, ws.files));
    EXPECT_EQ(d.face.left(), 0u);

    EXPECT_EQ(run.NAME, "Small");
    EXPECT_EQ(run.settings.BVER, 2);
    EXPECT_EQ(run.settings.QMAX, 3);
    EXPECT_EQ(run.settings.TYP, "AAAnnnnnnnnnnnnnnnnnnnnnnnnnnn");
    EXPECT_EQ(run.editor.style.NAME4, "SmallOut");
    EXPECT_EQ(run.editor.style.PRIMPCT, 58);
    EXPECT_EQ(run.names.F3, "RJ.A");
    EXPECT_EQ(run.names.F11, "count.58A");
    EXPECT_EQ(run.QZ, 2);
    EXPECT_EQ(run.F8, "SmallOut.qui");
    EXPECT_EQ(run.F9, "temp.txt");
    EXPECT_EQ(run.F10, "SmallOut.inf");
    EXPECT_EQ(run.sectors.SECTORS, 3);
    EXPECT_EQ(run.sectors.SECTORS2, 3);
    EXPECT_EQ(run.bank.TQUEST, 3);
    EXPECT_EQ(run.bank.FQUEST, 2);
    EXPECT_EQ(run.bank.RQUEST, 1);
    EXPECT_EQ(run.bank.BEFORE, 2);
    EXPECT_EQ(run.points.FQUIZ, 1);  // ((2 * 4) div 1) div 5
    EXPECT_EQ(run.points.RQUIZ, 1);

    const Screen& s = d.con.screen();
    EXPECT_EQ(s.line(3), "  A quiz will contain one question from each sector.");
    EXPECT_EQ(s.line(4), "  Regular Questions: 3   FTV: 2   CV Refs: 1   CO Refs: 0   SIT: 0");
    EXPECT_EQ(s.text(1, 3, 9), "Tallyvane");
    EXPECT_FALSE(ws.dir.exists("SmallOut.qui"));  // nothing of the run is written yet
}

// A style file edited by hand may ask for more quizzes than a packet holds: the run
// makes the 100 a packet can take (every one with its pattern).
TEST(Cycle, AStyleAskingForMoreThan100QuizzesMakes100) {
    for (int QNUM : {100, 101, 999}) {
        Workspace ws;
        ws.dir.write("Small.spe", style(3, QNUM));
        Devices d(std::vector<int>(20, key::ENTER));  // accepts every page of patterns
        tv::Run run;
        run.NAME = "Small";
        read_run_style(ws.files, run);
        make_run_patterns(d.con, ws.files, d.rng, run);
        EXPECT_EQ(run.QZ, 100) << QNUM;
        TextReader pat = ws.files.read("pat.txt");
        for (int q = 1; q <= 100; ++q) {
            EXPECT_EQ(run.PAT[q], pat.read_line()) << QNUM << " quiz " << q;
            EXPECT_EQ(run.PAT[q].size(), 30u) << QNUM << " quiz " << q;
        }
        EXPECT_TRUE(pat.eof()) << QNUM;
    }
}

TEST(Cycle, TooFewRegularQuestionsAbandonsTheRunBackToTheBanner) {
    Workspace ws("Small", 4);
    {
        Devices d(runs(1));
        tv::Run run;
        EXPECT_TRUE(d.cycle(run, ws.files));
        const Screen& s = d.con.screen();
        EXPECT_EQ(s.line(3), "  There are only 3 regular questions in this material.");
        EXPECT_EQ(s.line(4), "");
        EXPECT_EQ(s.line(5), "  Change Questions per packet to 3 or less.");
        EXPECT_EQ(run.points.FQUIZ, 0);  // the run ended before the repeat points
    }
    // The whole program: the abandoned run gives the banner and the style menu again.
    Devices d(runs(1));
    EXPECT_THROW(d.run(ws.files), ScriptExhausted);
    const Screen& s = d.con.screen();
    EXPECT_EQ(s.text(1, 3, 9), "Tallyvane");
    EXPECT_EQ(s.line(25), ORGANISATION_LINE);
    EXPECT_EQ(s.text(6, 33, 15), "Small          ");
    EXPECT_EQ(s.text(8, 33, 15), "Exit           ");
    EXPECT_EQ(s.at(33, 6).bg, RED);
}

TEST(Cycle, OnlyTheExactWordExitEndsTheProgram) {
    // Style names that only look like "Exit" are run like any other.
    for (std::string name : {"exit", "Exit ", "EXIT"}) {
        Workspace ws(name);
        Devices d(runs(1));
        EXPECT_THROW(d.run(ws.files), ScriptExhausted) << name;
        EXPECT_EQ(ws.dir.read("temp2.txt"), name + "\n");
        EXPECT_EQ(d.con.screen().text(6, 33, 15), (name + std::string(15, ' ')).substr(0, 15));
    }
    for (const std::string handoff : {"exit", "Exit ", "Exit2", "EXIT"}) {
        test::TempDir dir;
        dir.write("temp2.txt", handoff + "\n");
        tv::Run run;
        EXPECT_FALSE(read_style_name(dir.files(), run)) << handoff;
        EXPECT_EQ(run.NAME, handoff);
    }
    test::TempDir dir;
    dir.write("temp2.txt", "Exit\n");
    tv::Run run;
    EXPECT_TRUE(read_style_name(dir.files(), run));
}

TEST(Cycle, ExitOnTheMenuEndsTheProgramWhiteOnBlack) {
    Workspace ws;
    Devices d({ext(key::UP), key::ENTER});
    EXPECT_EQ(d.run(ws.files), 0);
    EXPECT_EQ(ws.dir.read("temp2.txt"), "Exit\n");
    const Screen& s = d.con.screen();
    for (int r = 1; r <= 25; ++r) {
        EXPECT_EQ(s.line(r), "");
        EXPECT_EQ(s.at(1, r).bg, BLACK);
        EXPECT_EQ(s.at(80, r).bg, BLACK);
    }
    EXPECT_EQ(s.fg(), WHITE);
}

TEST(Cycle, ProgramLifetimeStateOutlivesARun) {
    Devices d({});
    tv::Run run;
    run.S = run.NUM = run.FIX = 5;
    start_program(run, d.rng, d.clock);
    EXPECT_EQ(run.S + run.NUM + run.FIX, 0);
    Random same(1234);  // seeded from the clock's reading
    EXPECT_EQ(d.rng.next(), same.next());

    // Two runs in a row: the second resets the run's own state, not the repeat point
    // of a specialty the style does not use, nor S.
    Workspace ws;
    Devices two(runs(2));
    run.S = 3;
    run.points.OQUIZ = 9;
    run.RSET = 20;
    EXPECT_TRUE(two.cycle(run, ws.files));
    EXPECT_TRUE(two.cycle(run, ws.files));
    EXPECT_EQ(run.S, 3);
    EXPECT_EQ(run.points.OQUIZ, 9);
    EXPECT_EQ(run.RSET, 4);
    EXPECT_EQ(run.bank.TQUEST, 3);  // counted afresh, not added up
    EXPECT_EQ(run.bank.BEFORE, 2);
}

